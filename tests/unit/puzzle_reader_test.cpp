// SPDX-License-Identifier: GPL-3.0-or-later
// Reading puzzle files through the real main screen on the headless platform.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>

#include "screens/program.h"
#include "screens/toolkit/scripted_platform.h"
#include "tests/unit/working_folder.h"

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

struct Einlesen : ::testing::Test {
    Arbeitsordner folder;
    std::ostringstream output;
    toolkit::ScriptedPlatform platform{output};
    std::unique_ptr<Program> program = std::make_unique<Program>(platform);
    frm_sudoku_main& m = program->main;

    void SetUp() override {
        program->start_program();
        program->start.cmd_start.click();
    }
    void read_puzzle(const std::string& name) {
        platform.queueInput(name);
        m.cmd_einlesen_vorgabe.click();
    }
    void save(const std::string& name) {
        platform.queueInput(name);
        m.cmd_save.click();
    }
};

}  // namespace

TEST_F(Einlesen, TextAfterTheTrailerIsNeverLookedAtHoweverLong) {
    // Line ends do not count. Only a scan that runs past position 32767
    // makes a file damaged, not the length of what follows a valid puzzle.
    std::string line = sample();
    const std::size_t content = line.size() - 2;
    Arbeitsordner::write_file("genau.txt", line + std::string(32767 - content, 'x'));
    Arbeitsordner::write_file("lang.txt",
                              line + std::string(40000, 'x') + "\r\n" + std::string(40000, 'y'));

    for (const char* name : {"genau", "lang"}) {
        m.cmd_neustart.click();
        read_puzzle(name);
        EXPECT_EQ(m.back, 3) << name;
        EXPECT_TRUE(m.txt_m(11).italic()) << name;
        EXPECT_FALSE(program->app.ended()) << name;
    }
}

TEST_F(Einlesen, ScanThatRunsPastTheLastPositionIsDamaged) {
    // 32767 characters without the "-" that closes the header: the position
    // counter overflows.
    Arbeitsordner::write_file("kopf.txt", std::string(32767, '7'));
    read_puzzle("kopf");
    EXPECT_TRUE(program->app.ended());
    EXPECT_EQ(m.beenden, toolkit::True);
    EXPECT_EQ(m.anz_d_ziff, 0);
}

TEST_F(Einlesen, DigitSectionAcceptsOnlyDecimalDigits) {
    Arbeitsordner::write_file("null.txt", "/-1:4/-0/-?/-n/- 1-");
    read_puzzle("null");
    EXPECT_FALSE(program->app.ended());
    EXPECT_EQ(m.zug_ziffer(1), 0);  // "0" is a digit, though no move has it

    m.cmd_neustart.click();
    Arbeitsordner::write_file("buchstabe.txt", "/-1:4/-a/-?/-n/- 1-");
    read_puzzle("buchstabe");
    EXPECT_TRUE(program->app.ended());
}

TEST_F(Einlesen, MoveEntryBeyondThe81stIsAnUnknownFailure) {
    std::string line = "/-";
    for (int i = 0; i < 81; ++i) line += "!/";
    line += "5:5/-5/-?/-n/- 1-";
    Arbeitsordner::write_file("zug82.txt", line);
    read_puzzle("zug82");
    EXPECT_FALSE(program->app.ended());
    EXPECT_NE(output.str().find("\"Ein umbekannter Fehler trat auf!\""), std::string::npos);
    EXPECT_EQ(m.txt_m(5).text(), "");
    EXPECT_EQ(m.cmd_einlesen_vorgabe.text(), "Datei einlesen");
}

// Random games, saved, read back after a restart and saved again: the board
// and the file must come back unchanged.
TEST_F(Einlesen, RandomGamesSurviveTheRoundTrip) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        auto fresh = std::make_unique<Program>(platform);
        frm_sudoku_main& game = fresh->main;
        fresh->start_program();
        fresh->start.cmd_start.click();
        std::mt19937 random(seed);
        auto roll = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

        for (int step = 0; step < 150; ++step) {
            const int choice = roll(20);
            if (choice < 14) {
                const int cell = 1 + roll(81);
                if (game.txt_m(cell).text().empty()) game.txt_m(cell).pressKey('1' + roll(9));
            } else if (choice < 16 && game.back > 0) {
                game.lbl_c(toolkit::to_integer(game.zug_feld(game.back))).click();
            } else if (choice < 18) {
                game.cmd_back.click();
            } else if (seed % 3 != 0 && game.back > 0 && game.cmd_einlesen_vorgabe.enabled()) {
                game.cmd_einlesen_vorgabe.click();  // fixes the givens; never in every third game
            }
        }
        platform.queueInput("vorher");
        game.cmd_save.click();

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
        platform.queueInput("vorher");
        game.cmd_einlesen_vorgabe.click();
        platform.queueInput("nachher");
        game.cmd_save.click();

        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_FALSE(fresh->app.ended());
        EXPECT_EQ(Arbeitsordner::read_file("nachher.txt"), Arbeitsordner::read_file("vorher.txt"));
        EXPECT_TRUE(cells() == board);
        EXPECT_EQ(game.back, back);
        EXPECT_EQ(game.anz_d_ziff, anz_d_ziff);
        EXPECT_EQ(game.Vorgabe, given);
        EXPECT_EQ(game.cmd_einlesen_vorgabe.enabled(), button);
        EXPECT_EQ(game.cmd_einlesen_vorgabe.text(), "Vorgabe beenden");
    }
}
