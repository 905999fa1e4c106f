// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/puzzle_line.h"

#include <gtest/gtest.h>

namespace {

std::string repeat(int n, const std::string& part) {
    std::string text;
    for (int i = 0; i < n; ++i) text += part;
    return text;
}

// Givens 5 in cell 1 and 3 in cell 11, then 9 in cell 21.
puzzle::GameState sample() {
    puzzle::GameState state;
    state.anz_d_ziff = 2;
    state.back = 3;
    const int fields[] = {1, 11, 21};
    const char* texts[] = {"5", "3", "9"};
    const toolkit::Integer digits[] = {5, 3, 9};
    for (int k = 0; k < 3; ++k) {
        state.zug_feld[k] = fields[k];
        state.moveText[k] = texts[k];
        state.zug_ziffer[k] = digits[k];
    }
    state.given[0] = state.given[10] = true;
    return state;
}

}  // namespace

TEST(PuzzleLine, SampleGameGivesItsLine) {
    const std::string expected = " 2-1:5/11:3/21:9/" + repeat(78, "!/") + "-5/3/9/" +
                                 repeat(78, "%/") + "-" + repeat(81, "?/") + "-i/" +
                                 repeat(9, "n/") + "i/" + repeat(70, "n/") + "- 3-\r\n";
    EXPECT_EQ(puzzle::line(sample()), expected);
}

TEST(PuzzleLine, FreshBoardGivesEmptySections) {
    const std::string expected = "/-" + repeat(81, "!/") + "-" + repeat(81, "%/") + "-" +
                                 repeat(81, "?/") + "-" + repeat(81, "n/") + "- 0-\r\n";
    EXPECT_EQ(puzzle::line(puzzle::GameState{}), expected);
}

TEST(PuzzleLine, HeaderCarriesTheGivensOnlyWhenThereAreAny) {
    puzzle::GameState state;
    state.anz_d_ziff = 23;
    EXPECT_EQ(puzzle::line(state).substr(0, 4), " 23-");
    state.anz_d_ziff = -4;  // never a count of givens: no number either
    EXPECT_EQ(puzzle::line(state).substr(0, 2), "/-");
}

TEST(PuzzleLine, OnlyMovesUpToBackAreWritten) {
    // Moves taken back keep their records; the line must not show them.
    puzzle::GameState state = sample();
    state.back = 1;
    const std::string text = puzzle::line(state);
    EXPECT_EQ(text.substr(0, 9), " 2-1:5/!/");
    EXPECT_EQ(text.find("11:3"), std::string::npos);
    EXPECT_NE(text.find("-5/%/%/"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 6), "- 1-\r\n");
}

TEST(PuzzleLine, MarksAndGivensStandAtTheirCells) {
    puzzle::GameState state;
    state.markierung[29] = "a";  // cell 30
    state.markierung[80] = "z";  // cell 81
    state.given[40] = true;      // cell 41
    const std::string text = puzzle::line(state);
    const std::size_t marks = text.find("-?/") + 1;
    EXPECT_EQ(text.substr(marks, 81 * 2), repeat(29, "?/") + "a/" + repeat(50, "?/") + "z/");
    const std::size_t givens = marks + 81 * 2 + 1;
    EXPECT_EQ(text.substr(givens, 81 * 2), repeat(40, "n/") + "i/" + repeat(40, "n/"));
}

TEST(PuzzleLine, FullBoardHasNoGapsAndStaysWithinTheLineLimit) {
    puzzle::GameState state;
    state.anz_d_ziff = 81;
    state.back = 81;
    for (int k = 0; k < 81; ++k) {
        state.zug_feld[k] = 81 - k;
        state.moveText[k] = "9";
        state.zug_ziffer[k] = 9;
        state.markierung[k] = "m";
        state.given[k] = true;
    }
    const std::string text = puzzle::line(state);
    EXPECT_EQ(text.find('!'), std::string::npos);
    EXPECT_EQ(text.find('%'), std::string::npos);
    EXPECT_EQ(text.substr(0, 11), " 81-81:9/80");
    // Header and trailer 3 characters each, moves at most 5, other entries 2,
    // six closing "-", CR LF.
    EXPECT_LE(text.size(), 3u + 81 * 5 + 3 * 81 * 2 + 3 + 6 + 2);
}

TEST(PuzzleLine, CellIndexIsWrittenAsRecorded) {
    // A cell index read from a file is kept as read; it is written back so.
    puzzle::GameState state;
    state.back = 1;
    state.zug_feld[0] = 2.5;
    state.moveText[0] = "4";
    state.zug_ziffer[0] = 4;
    EXPECT_EQ(puzzle::line(state).substr(0, 8), "/-2.5:4/");
}
