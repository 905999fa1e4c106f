// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/puzzle_zeile.h"

#include <gtest/gtest.h>

namespace {

std::string mal(int n, const std::string& teil) {
    std::string text;
    for (int i = 0; i < n; ++i) text += teil;
    return text;
}

// Givens 5 in cell 1 and 3 in cell 11, then 9 in cell 21.
puzzle::Spielstand beispiel() {
    puzzle::Spielstand stand;
    stand.anz_d_ziff = 2;
    stand.back = 3;
    const int felder[] = {1, 11, 21};
    const char* texte[] = {"5", "3", "9"};
    const toolkit::Integer ziffern[] = {5, 3, 9};
    for (int k = 0; k < 3; ++k) {
        stand.zug_feld[k] = felder[k];
        stand.zug_text[k] = texte[k];
        stand.zug_ziffer[k] = ziffern[k];
    }
    stand.vorgabe[0] = stand.vorgabe[10] = true;
    return stand;
}

}  // namespace

TEST(PuzzleZeile, WorkedExampleGivesTheDocumentedLine) {
    const std::string erwartet = " 2-1:5/11:3/21:9/" + mal(78, "!/") + "-5/3/9/" + mal(78, "%/") +
                                 "-" + mal(81, "?/") + "-i/" + mal(9, "n/") + "i/" + mal(70, "n/") +
                                 "- 3-\r\n";
    EXPECT_EQ(puzzle::zeile(beispiel()), erwartet);
}

TEST(PuzzleZeile, FreshBoardGivesEmptySections) {
    const std::string erwartet = "/-" + mal(81, "!/") + "-" + mal(81, "%/") + "-" + mal(81, "?/") +
                                 "-" + mal(81, "n/") + "- 0-\r\n";
    EXPECT_EQ(puzzle::zeile(puzzle::Spielstand{}), erwartet);
}

TEST(PuzzleZeile, HeaderCarriesTheGivensOnlyWhenThereAreAny) {
    puzzle::Spielstand stand;
    stand.anz_d_ziff = 23;
    EXPECT_EQ(puzzle::zeile(stand).substr(0, 4), " 23-");
    stand.anz_d_ziff = -4;  // never a count of givens: no number either
    EXPECT_EQ(puzzle::zeile(stand).substr(0, 2), "/-");
}

TEST(PuzzleZeile, OnlyMovesUpToBackAreWritten) {
    // Moves taken back keep their records; the line must not show them.
    puzzle::Spielstand stand = beispiel();
    stand.back = 1;
    const std::string text = puzzle::zeile(stand);
    EXPECT_EQ(text.substr(0, 9), " 2-1:5/!/");
    EXPECT_EQ(text.find("11:3"), std::string::npos);
    EXPECT_NE(text.find("-5/%/%/"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 6), "- 1-\r\n");
}

TEST(PuzzleZeile, MarksAndGivensStandAtTheirCells) {
    puzzle::Spielstand stand;
    stand.markierung[29] = "a";  // cell 30
    stand.markierung[80] = "z";  // cell 81
    stand.vorgabe[40] = true;    // cell 41
    const std::string text = puzzle::zeile(stand);
    const std::size_t marken = text.find("-?/") + 1;
    EXPECT_EQ(text.substr(marken, 81 * 2), mal(29, "?/") + "a/" + mal(50, "?/") + "z/");
    const std::size_t vorgaben = marken + 81 * 2 + 1;
    EXPECT_EQ(text.substr(vorgaben, 81 * 2), mal(40, "n/") + "i/" + mal(40, "n/"));
}

TEST(PuzzleZeile, FullBoardHasNoGapsAndStaysWithinTheDocumentedLength) {
    puzzle::Spielstand stand;
    stand.anz_d_ziff = 81;
    stand.back = 81;
    for (int k = 0; k < 81; ++k) {
        stand.zug_feld[k] = 81 - k;
        stand.zug_text[k] = "9";
        stand.zug_ziffer[k] = 9;
        stand.markierung[k] = "m";
        stand.vorgabe[k] = true;
    }
    const std::string text = puzzle::zeile(stand);
    EXPECT_EQ(text.find('!'), std::string::npos);
    EXPECT_EQ(text.find('%'), std::string::npos);
    EXPECT_EQ(text.substr(0, 11), " 81-81:9/80");
    // Header and trailer 3 characters each, moves at most 5, other entries 2,
    // six closing "-", CR LF.
    EXPECT_LE(text.size(), 3u + 81 * 5 + 3 * 81 * 2 + 3 + 6 + 2);
}

TEST(PuzzleZeile, CellIndexIsWrittenAsRecorded) {
    // A cell index read from a file is kept as read; it is written back so.
    puzzle::Spielstand stand;
    stand.back = 1;
    stand.zug_feld[0] = 2.5;
    stand.zug_text[0] = "4";
    stand.zug_ziffer[0] = 4;
    EXPECT_EQ(puzzle::zeile(stand).substr(0, 8), "/-2.5:4/");
}
