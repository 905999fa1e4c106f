// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "solver/puzzle_text.h"

namespace {

TEST(PuzzleTextTest, NulBytesAndOtherCharactersAreSkipped) {
    const std::string text("1\0a.|0\r\n9", 9);
    const solver::PuzzleText puzzle = solver::readPuzzleText(text);
    EXPECT_EQ(puzzle.count, 4u);
    EXPECT_EQ(puzzle.cells[0], 1);
    EXPECT_EQ(puzzle.cells[1], 0);
    EXPECT_EQ(puzzle.cells[2], 0);
    EXPECT_EQ(puzzle.cells[3], 9);
}

TEST(PuzzleTextTest, AHugeTextIsCountedWholeAndKeepsItsFirstCells) {
    std::string text(10'000'000, '7');
    text[80] = '3';
    const solver::PuzzleText puzzle = solver::readPuzzleText(text);
    EXPECT_EQ(puzzle.count, text.size());
    EXPECT_EQ(puzzle.cells[80], 3);
}

}  // namespace
