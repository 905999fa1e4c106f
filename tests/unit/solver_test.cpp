// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "solver/puzzle_text.h"
#include "solver/solver.h"
#include "tools/scenario_driver.h"

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

TEST(GenerateTest, TheSameSeedGivesTheSamePuzzleAndAnotherSeedAnother) {
    const solver::Cells first = solver::generate(solver::Difficulty::Easy, 42);
    EXPECT_EQ(solver::generate(solver::Difficulty::Easy, 42), first);
    EXPECT_NE(solver::generate(solver::Difficulty::Easy, 43), first);
}

TEST(ScenarioDriverMenuTest, AnUnknownItemIsAScriptError) {
    std::ostringstream out;
    ScenarioDriver driver(out);
    driver.runLine("click cmd_start");
    EXPECT_THROW(driver.runLine("menu txt_m(1) Neues Sudoku/unbekannt"), ScriptError);
    EXPECT_THROW(driver.runLine("menu txt_m(1) Neues Sudoku"), ScriptError);
    EXPECT_THROW(driver.runLine("key txt_m(1) Ctrl+Q"), ScriptError);
}

}  // namespace
