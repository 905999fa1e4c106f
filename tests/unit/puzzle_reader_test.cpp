// SPDX-License-Identifier: GPL-3.0-or-later
// Reading puzzle files through the real main screen on the headless platform.

#include <gtest/gtest.h>

#include <random>

#include "tests/support/headless_game.h"
#include "tests/support/working_folder.h"

namespace {

// A sample game: givens 5 in cell 1 and 3 in cell 11, then 9 in cell 21.
std::string sample() {
    std::string line = " 2-1:5/11:3/21:9/";
    for (int i = 0; i < 78; ++i) line += "!/";
    line += "-5/3/9/";
    for (int i = 0; i < 78; ++i) line += "%/";
    line += "-";
    for (int i = 0; i < 81; ++i) line += "?/";
    line += "-i/";
    for (int i = 2; i <= 81; ++i) line += i == 11 ? "i/" : "n/";
    return line + "- 3-\r\n";
}

struct PuzzleReading : ::testing::Test, HeadlessGame<> {
    frm_sudoku_main& m = main;
    void SetUp() override { openMainScreen(); }
};

}  // namespace

TEST_F(PuzzleReading, TextAfterTheTrailerIsNeverLookedAtHoweverLong) {
    // Line ends do not count. Only a scan that runs past position 32767
    // makes a file damaged, not the length of what follows a valid puzzle.
    std::string line = sample();
    const std::size_t content = line.size() - 2;
    const std::string exact = line + std::string(32767 - content, 'x');
    const std::string longFile = line + std::string(40000, 'x') + "\r\n" + std::string(40000, 'y');
    for (const std::string* file : {&exact, &longFile}) {
        m.cmd_neustart.click();
        m.readPuzzleBytes(*file);
        EXPECT_EQ(m.back, 3) << file->size();
        EXPECT_TRUE(m.txt_m(11).italic()) << file->size();
        EXPECT_FALSE(program->app.ended()) << file->size();
    }
}

TEST_F(PuzzleReading, ScanThatRunsPastTheLastPositionIsDamaged) {
    // 32767 characters without the "-" that closes the header: the position
    // counter overflows.
    m.readPuzzleBytes(std::string(32767, '7'));
    EXPECT_TRUE(program->app.ended());
    EXPECT_EQ(m.beenden, toolkit::True);
    EXPECT_EQ(m.anz_d_ziff, 0);
}

TEST_F(PuzzleReading, DigitSectionAcceptsOnlyDecimalDigits) {
    m.readPuzzleBytes("/-1:4/-0/-?/-n/- 1-");
    EXPECT_FALSE(program->app.ended());
    EXPECT_EQ(m.zug_ziffer(1), 0);  // "0" is a digit, though no move has it

    m.cmd_neustart.click();
    m.readPuzzleBytes("/-1:4/-a/-?/-n/- 1-");
    EXPECT_TRUE(program->app.ended());
}

TEST_F(PuzzleReading, MoveEntryBeyondThe81stIsAnUnknownFailure) {
    std::string line = "/-";
    for (int i = 0; i < 81; ++i) line += "!/";
    line += "5:5/-5/-?/-n/- 1-";
    m.readPuzzleBytes(line);
    EXPECT_FALSE(program->app.ended());
    EXPECT_NE(output.str().find("\"Ein umbekannter Fehler trat auf!\""), std::string::npos);
    EXPECT_EQ(m.txt_m(5).text(), "");
    EXPECT_EQ(m.cmd_einlesen_vorgabe.text(), "Datei einlesen");
}

// Random games, saved, read back after a restart and saved again: the board
// and the file must come back unchanged.
TEST(PuzzleRoundTrip, RandomGamesSurviveTheRoundTrip) {
    WorkingFolder folder;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        HeadlessGame<> fresh;
        frm_sudoku_main& game = fresh.main;
        fresh.openMainScreen();
        std::mt19937 random(seed);
        auto roll = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

        for (int step = 0; step < 150; ++step) {
            const int choice = roll(20);
            if (choice < 14) {
                const int cell = 1 + roll(81);
                if (game.txt_m(cell).text().empty()) game.txt_m(cell).pressKey('1' + roll(9));
            } else if (choice < 16 && game.back > 0) {
                game.lbl_c(toolkit::toInteger(game.zug_feld(game.back))).click();
            } else if (choice < 18) {
                game.cmd_back.click();
            } else if (seed % 3 != 0 && game.back > 0 && game.cmd_einlesen_vorgabe.enabled()) {
                game.cmd_einlesen_vorgabe.click();  // fixes the givens; never in every third game
            }
        }
        fresh.save("vorher");

        struct Cell {
            std::string text;
            bool italic, locked;
            std::string markierung;
            bool operator==(const Cell&) const = default;
        };
        auto cells = [&] {
            std::vector<Cell> all;
            for (int i = 1; i <= 81; ++i)
                all.push_back({game.txt_m(i).text(), game.txt_m(i).italic(), game.txt_m(i).locked(),
                               game.markierung(i)});
            return all;
        };
        const auto board = cells();
        const auto back = game.back, anz_d_ziff = game.anz_d_ziff, given = game.Vorgabe;
        const bool button = game.cmd_einlesen_vorgabe.enabled();

        game.cmd_neustart.click();
        fresh.readPuzzle("vorher");
        fresh.save("nachher");

        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_FALSE(fresh.ended());
        EXPECT_EQ(WorkingFolder::readFile("nachher.txt"), WorkingFolder::readFile("vorher.txt"));
        EXPECT_TRUE(cells() == board);
        EXPECT_EQ(game.back, back);
        EXPECT_EQ(game.anz_d_ziff, anz_d_ziff);
        EXPECT_EQ(game.Vorgabe, given);
        EXPECT_EQ(game.cmd_einlesen_vorgabe.enabled(), button);
        EXPECT_EQ(game.cmd_einlesen_vorgabe.text(), "Vorgabe beenden");
    }
}
