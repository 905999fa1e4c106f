// SPDX-License-Identifier: GPL-3.0-or-later
// Every step the ladder takes, rating a puzzle or hinting through a whole
// game, keeps to the solution and changes only open candidates: a sample of
// the public sets over all levels.
#include <gtest/gtest.h>

#include <fstream>

#include "solver/explanation.h"
#include "solver/hint_plan.h"
#include "solver/puzzle_text.h"
#include "solver/solver.h"
#include "solver/step_text.h"

namespace {

using namespace solver;

std::vector<std::string> samplePuzzles() {
    std::ifstream in(SUDOKU_SOURCE_FOLDER "/tests/solver/data/ladder_sample.txt");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every step keeps to the solution, and removes or places only candidates
// still open when it is taken.
void expectSound(const std::vector<Step>& steps, const Cells& givens, const Cells& solution,
                 const std::string& puzzle) {
    CandidateGrid grid(givens);
    for (const Step& step : steps) {
        const std::string where = puzzle + ": " + std::string(techniqueName(step.technique)) + " " +
                                  eliminationsText(step.eliminations) +
                                  placementsText(step.placements);
        EXPECT_TRUE(keepsTo(step, solution)) << where;
        for (const Candidate& c : step.eliminations)
            EXPECT_TRUE(grid.has(c.position, c.digit)) << where;
        for (const Candidate& c : step.placements)
            EXPECT_TRUE(grid.has(c.position, c.digit)) << where;
        grid.apply(step);
    }
}

TEST(SoundnessTest, RatingsAndHintsKeepToTheSolution) {
    const std::vector<std::string> puzzles = samplePuzzles();
    ASSERT_GE(puzzles.size(), 250u);
    for (const std::string& puzzle : puzzles) {
        const Cells givens = readPuzzleText(puzzle).cells;
        const Analysis analysis = analyse(givens);
        ASSERT_EQ(analysis.solutions, 1) << puzzle;
        const LadderOptions options{true};
        expectSound(rate(givens, options).solution.steps, givens, analysis.solution, puzzle);
        Cells digits = givens;
        while (const std::optional<HintPlan> plan = planHint(digits, options)) {
            expectSound(plan->steps, digits, analysis.solution, puzzle);
            ASSERT_EQ(digits[plan->target.position], 0) << puzzle;
            digits[plan->target.position] = plan->target.digit;
        }
    }
}

}  // namespace
