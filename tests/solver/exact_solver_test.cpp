// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/exact_solver.h"

#include <gtest/gtest.h>
#include <qqwing.hpp>

#include <algorithm>
#include <cstdlib>

#include "solver/puzzle_text.h"
#include "solver/solver.h"

namespace {

using namespace solver;

Cells puzzle(const char* text) {
    return readPuzzleText(text).cells;
}

const char* const unique_puzzle =
    "003020600900305001001806400008102900700000008006708200002609500800203009005010300";
const char* const its_solution =
    "483921657967345821251876493548132976729564138136798245372689514814253769695417382";
// 17 givens without a solution, and no repeat among them: only a search
// through the whole tree shows it.
const char* const sparse_without_solution =
    ".....5.8....6.1.43..........1.5........1.6...3.......553.....61........4.........";

TEST(ExactSolverTest, CountsNoSolutionOneOrSeveral) {
    const SolutionCount one = countSolutions(puzzle(unique_puzzle));
    EXPECT_EQ(one.solutions, 1);
    EXPECT_EQ(one.solution, puzzle(its_solution));

    EXPECT_EQ(countSolutions(Cells{}).solutions, 2);
    EXPECT_EQ(countSolutions(Cells{}, 5).solutions, 5);

    Cells repeated = puzzle(unique_puzzle);
    repeated[0] = 3;  // row 1 holds a 3 already
    EXPECT_EQ(countSolutions(repeated).solutions, 0);
    const Cells full = puzzle(its_solution);
    EXPECT_EQ(countSolutions(full).solutions, 1);
    EXPECT_EQ(countSolutions(full).solution, full);

    const SolutionCount none = countSolutions(puzzle(sparse_without_solution));
    EXPECT_EQ(none.solutions, 0);
    EXPECT_TRUE(none.settled);
}

TEST(ExactSolverTest, AWorkBoundHitIsNoVerdict) {
    const SolutionCount cut = countSolutions(puzzle(sparse_without_solution), 2, 1);
    EXPECT_FALSE(cut.settled);
}

TEST(ExactSolverTest, AnalyseCountsWithIt) {
    const Analysis none = analyse(puzzle(sparse_without_solution));
    EXPECT_EQ(none.solutions, 0);
    EXPECT_TRUE(none.settled);
    const Analysis full = analyse(puzzle(its_solution));
    EXPECT_EQ(full.solutions, 1);
    EXPECT_EQ(full.solution, puzzle(its_solution));
}

// QQwing's count and solution on puzzles it generates, each also with a
// given removed (often several solutions) and with a given changed (often
// none): the same answers.
TEST(ExactSolverTest, AgreesWithQqwing) {
    const auto qqwingCount = [](Cells cells, Cells& solution) {
        qqwing::SudokuBoard board;
        if (!board.setPuzzle(cells.data())) return 0;
        // It stops once it has found more than one, at two or three.
        const int count = std::min(board.countSolutionsLimited(), 2);
        if (count == 1 && board.solve())
            for (int p = 0; p < 81; ++p) solution[p] = board.getSolution()[p];
        return count;
    };
    std::srand(2024);
    int counted[3] = {};
    for (int i = 0; i < 25; ++i) {
        qqwing::SudokuBoard generator;
        generator.generatePuzzle();
        Cells generated;
        for (int p = 0; p < 81; ++p) generated[p] = generator.getPuzzle()[p];
        int given = 0;
        while (generated[given] == 0) ++given;
        Cells removed = generated, changed = generated;
        removed[given] = 0;
        changed[given] = generated[given] % 9 + 1;
        for (const Cells& cells : {generated, removed, changed}) {
            Cells expected{};
            const int count = qqwingCount(cells, expected);
            const SolutionCount mine = countSolutions(cells);
            ASSERT_EQ(mine.solutions, count) << "puzzle " << i;
            if (count == 1) {
                EXPECT_EQ(mine.solution, expected) << "puzzle " << i;
            }
            ++counted[count];
        }
    }
    // The sample holds every kind of answer.
    EXPECT_GT(counted[0], 0);
    EXPECT_GT(counted[1], 0);
    EXPECT_GT(counted[2], 0);
}

}  // namespace
