// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ladder.h"

#include <gtest/gtest.h>

#include "solver/puzzle_text.h"
#include "solver/techniques.h"

namespace {

using namespace solver;

Cells puzzle(const char* text) {
    return readPuzzleText(text).cells;
}

// An easy puzzle: singles alone solve it.
const char* const easy =
    "003020600900305001001806400008102900700000008006708200002609500800203009005010300";

TEST(CandidateGridTest, StartsFromThePlacedDigitsAndPlacingRemovesTheDigitFromPeers) {
    CandidateGrid grid(puzzle(easy));
    EXPECT_EQ(grid.candidates(2), 0);  // a filled cell
    EXPECT_FALSE(grid.has(0, 3));      // 3 stands in row 1
    EXPECT_TRUE(grid.has(0, 4));
    grid.place(0, 4);
    EXPECT_FALSE(grid.has(1, 4));
    EXPECT_FALSE(grid.has(positionAt(2, 2), 4));
    EXPECT_TRUE(grid.eliminate(1, 5));
    EXPECT_FALSE(grid.eliminate(1, 5));
}

TEST(SinglesTest, FindTheFirstInTheirOrderOrNothing) {
    Cells cells = puzzle(easy);
    const auto naked = firstStep(techniques::nakedSingle, CandidateGrid(cells));
    ASSERT_TRUE(naked);
    EXPECT_EQ(naked->placements, (std::vector<Candidate>{{positionAt(5, 6), 4}}));
    // Only one empty cell left in row 1: a hidden single in row 1 as well.
    Cells full =
        puzzle("483921657967345821251876493548132976729564138136798245372689514814253769695417382");
    full[4] = 0;
    const auto hidden = firstStep(techniques::hiddenSingle, CandidateGrid(full));
    ASSERT_TRUE(hidden);
    EXPECT_EQ(hidden->units, (std::vector<Unit>{{UnitKind::Row, 1}}));
    EXPECT_EQ(hidden->placements, (std::vector<Candidate>{{4, 2}}));
    EXPECT_FALSE(firstStep(
        techniques::hiddenSingle,
        CandidateGrid(puzzle(
            "483921657967345821251876493548132976729564138136798245372689514814253769695417382"))));
}

TEST(LadderTest, SolvesAnEasyPuzzleWithSinglesAlone) {
    const Solution solution = solveWithLadder(puzzle(easy));
    EXPECT_TRUE(solution.solved);
    EXPECT_EQ(solution.level, Level::Leicht);
    EXPECT_EQ(
        solution.grid.digits(),
        puzzle(
            "483921657967345821251876493548132976729564138136798245372689514814253769695417382"));
}

}  // namespace
