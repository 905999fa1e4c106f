// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/generator.h"

#include <gtest/gtest.h>

#include "solver/exact_solver.h"
#include "solver/hint_plan.h"

namespace {

using namespace solver;

// A puzzle of each level has one solution, needs every given for it, and
// the ladder solves it with a hardest step of that level.
TEST(GeneratorTest, EachLevelGivesAMinimalPuzzleTheLadderSolvesAtThatLevel) {
    for (Level level :
         {Level::Leicht, Level::Mittel, Level::Schwer, Level::SehrSchwer, Level::Extrem}) {
        const Cells puzzle = generate(level, 7);
        SCOPED_TRACE(static_cast<int>(level));
        const SolutionCount count = countSolutions(puzzle);
        ASSERT_EQ(count.solutions, 1);
        for (int p = 0; p < 81; ++p) {
            if (puzzle[p] == 0) continue;
            Cells fewer = puzzle;
            fewer[p] = 0;
            EXPECT_EQ(countSolutions(fewer).solutions, 2) << "given at " << p;
        }
        const Rating rating = rate(puzzle, {.uniqueSolution = true});
        EXPECT_TRUE(rating.solved);
        EXPECT_EQ(rating.level, level);
    }
}

TEST(GeneratorTest, TheSameSeedGivesTheSamePuzzleAndAnotherSeedAnother) {
    const Cells first = generate(Level::Mittel, 42);
    EXPECT_EQ(generate(Level::Mittel, 42), first);
    EXPECT_NE(generate(Level::Mittel, 43), first);
}

}  // namespace
