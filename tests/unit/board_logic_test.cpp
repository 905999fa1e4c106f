// SPDX-License-Identifier: GPL-3.0-or-later
// Board logic details that a scenario cannot see: what the board shows while
// a refusal message is open, how the conflict check traps failures, undo of
// a move record that has no cell, the initialisation's two modes, and marks
// beyond the count that a puzzle file can bring.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless_game.h"

namespace {

// A headless platform that also notes what cell 23 and the shared
// variables of the change handling held while each message box was open.
class WatchingPlatform : public toolkit::ScriptedPlatform {
  public:
    using ScriptedPlatform::ScriptedPlatform;
    Program* program = nullptr;
    struct Snapshot {
        std::string cell, zl;
        int z, alt_z;
    };
    std::vector<Snapshot> snapshots;

    int messageBox(const std::string& text, int buttons, const std::string& title) override {
        if (program && program->main.loaded()) {
            frm_sudoku_main& m = program->main;
            snapshots.push_back({m.txt_m(23).text(), m.zl, m.z, m.alt_z});
        }
        return ScriptedPlatform::messageBox(text, buttons, title);
    }
};

struct BoardLogic : ::testing::Test, HeadlessGame<WatchingPlatform> {
    void SetUp() override {
        platform.program = program.get();
        openMainScreen();
    }

    // Puts text into a cell the way no user can: without its change handling.
    void setSilently(int cell, const std::string& text) {
        auto handler = std::move(main.txt_m(cell).onChange);
        main.txt_m(cell).onChange = nullptr;
        main.txt_m(cell).setText(text);
        main.txt_m(cell).onChange = std::move(handler);
    }
};

}  // namespace

TEST_F(BoardLogic, RefusedCellShowsTheMarkWhileTheMessageIsOpenAndIsEmptiedAfter) {
    typeKey(27, '5');
    typeKey(23, '5');

    ASSERT_EQ(platform.snapshots.size(), 1u);
    const auto& moment = platform.snapshots[0];
    EXPECT_EQ(moment.cell, "!");
    // The nested handling of "!" has already run and overwritten the shared
    // variables; the refused digit survives in alt_z.
    EXPECT_EQ(moment.zl, "!");
    EXPECT_EQ(moment.z, 0);
    EXPECT_EQ(moment.alt_z, 5);

    EXPECT_EQ(main.txt_m(23).text(), "");
    EXPECT_FALSE(main.txt_m(23).locked());
    EXPECT_EQ(main.back, 1);
    EXPECT_EQ(main.zl, "");
    EXPECT_EQ(
        output.str(),
        "message \"\" 0 \"Die Zahl  5 ist in der waagrechten Reihe schon vorhanden!\" -> ok\n");
}

TEST_F(BoardLogic, OnlyOneToNineCountAsDigits) {
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(main.nur_ziffern(static_cast<toolkit::Integer>(d)), -1);
    for (int value : {0, -1, -9, -32768})
        EXPECT_EQ(main.nur_ziffern(static_cast<toolkit::Integer>(value)), 0);
    // The test looks at the first character of the number only.
    EXPECT_EQ(main.nur_ziffern(12), -1);
}

TEST_F(BoardLogic, DigitInTheSpareCellWhileReadingAFileEndsTheProgramWithoutAsking) {
    main.Einlesen = -1;
    main.txt_m(0).setText("5");

    EXPECT_EQ(output.str(),
              "message \"Achtung!\" 0 \"Die einzulesende Datei wurde beschädigt oder unzulässig "
              "geändert! Das Programm wird daher beendet.\" -> ok\nended\n");
    EXPECT_EQ(main.beenden, -1);
    EXPECT_TRUE(program->app.ended());
    EXPECT_EQ(main.back, 0);
    EXPECT_EQ(main.lbl_erkl(4).text(), "");
}

TEST_F(BoardLogic, DigitInTheSpareCellOutsideAFileReadIsIgnoredSilently) {
    main.txt_m(0).setText("5");

    EXPECT_EQ(output.str(), "");
    EXPECT_EQ(main.beenden, 0);
    EXPECT_FALSE(program->app.ended());
    EXPECT_EQ(main.back, 0);
    EXPECT_FALSE(main.txt_m(0).locked());
}

TEST_F(BoardLogic, AnyOtherFailureOfTheCheckIsReportedAndTheResultSoFarStands) {
    // A cell text that is no valid number makes the check fail in the row
    // walk, after the column has been walked.
    setSilently(2, "9e999");

    // Nothing found before the failure: the digit is accepted.
    typeKey(1, '5');
    EXPECT_EQ(output.str(), "message \"Achtung!\" 0 \"Ein umbekannter Fehler trat auf!\" -> ok\n");
    EXPECT_EQ(main.txt_m(1).text(), "5");
    EXPECT_TRUE(main.txt_m(1).locked());
    EXPECT_EQ(main.back, 1);
    // The move is recorded for the square of cell 1, although the check
    // never reached the square.
    EXPECT_EQ(main.q_s, 1);
    EXPECT_EQ(main.lbl_q(5).text(), "");
    EXPECT_EQ(main.zug_quadrat(1, 5), 5);
    EXPECT_EQ(main.txt_c(21).text(), "1 2 3\r\n4   6\r\n7 8 9");
    output.str("");

    // A 5 in the column was found before the failure: the digit is refused.
    setSilently(20, "9e999");
    typeKey(19, '5');
    EXPECT_EQ(
        output.str(),
        "message \"Achtung!\" 0 \"Ein umbekannter Fehler trat auf!\" -> ok\n"
        "message \"\" 0 \"Die Zahl  5 ist in der senkrechten Reihe schon vorhanden!\" -> ok\n");
    EXPECT_EQ(main.txt_m(19).text(), "");
    EXPECT_EQ(main.back, 1);
    EXPECT_FALSE(program->app.ended());
}

TEST_F(BoardLogic, UndoOfAMoveWithoutACellTakesBackItsRecordsAndNothingElse) {
    // What a puzzle file whose move section begins with "!" leaves behind:
    // move 1 has no cell, move 2 is a real one.
    typeKey(5, '3');
    typeKey(7, '8');
    main.zug_feld(1) = 0;
    main.cmd_back.click();
    main.cmd_back.click();

    EXPECT_EQ(main.back, 0);
    EXPECT_EQ(main.txt_m(7).text(), "");
    EXPECT_EQ(main.lbl_w(3).text(), "3");  // move 1's records are still taken back
    EXPECT_EQ(main.txt_c(6).text(), "1 2 3\r\n4 5 6\r\n7 8 9");
    EXPECT_FALSE(main.cmd_back.enabled());
}

TEST_F(BoardLogic, ViewChangeRunOnlyAppliesTheFlagsAndTheNextRunInitialisesAgain) {
    typeKey(1, '4');
    main.nicht_neu = -1;
    program->start.Reihen = 0;
    main.sud_main_manager();

    EXPECT_EQ(main.nicht_neu, 0);
    EXPECT_FALSE(main.lbl_w(1).visible());
    EXPECT_EQ(main.lbl_s(4).text(), "");
    EXPECT_EQ(main.txt_c(2).text(), "1 2 3\r\n  5 6\r\n7 8 9");
    EXPECT_EQ(main.lbl_c(1).text(), "4");

    // Without nicht_neu every display text is written afresh; the cells,
    // the last-entry display and the counters are left alone.
    main.sud_main_manager();
    EXPECT_EQ(main.lbl_s(4).text(), "4");
    EXPECT_EQ(main.lbl_w(4).text(), "4");
    EXPECT_EQ(main.txt_c(1).text(), "1 2 3\r\n4 5 6\r\n7 8 9");
    EXPECT_EQ(main.txt_c(2).text(), "1 2 3\r\n4 5 6\r\n7 8 9");
    EXPECT_EQ(main.txt_m(1).text(), "4");
    EXPECT_EQ(main.lbl_c(1).text(), "4");
    EXPECT_EQ(main.back, 1);
    EXPECT_EQ(main.lbl_erkl(4).text(), "1");
}

TEST_F(BoardLogic, AnyFlagValueButZeroShowsItsDisplay) {
    frm_sudoku_start& start = program->start;
    start.Spalten = 1;
    start.Reihen = 0;
    start.Quadr = -2;
    start.Einzelf = 0;
    start.letzte_E = 32767;
    main.sud_main_manager();
    for (int k : {1, 40, 81}) {
        EXPECT_TRUE(main.lbl_s(k).visible());
        EXPECT_FALSE(main.lbl_w(k).visible());
        EXPECT_TRUE(main.lbl_q(k).visible());
        EXPECT_FALSE(main.txt_c(k).visible());
        EXPECT_TRUE(main.lbl_c(k).visible());
    }
    // The spare elements stay hidden whatever the flags say.
    EXPECT_FALSE(main.lbl_s(0).visible());
    EXPECT_FALSE(main.lbl_c(0).visible());
}

TEST_F(BoardLogic, NoMarkBeyondZWhenAFileBroughtAllTwentySixLetters) {
    // Rows 1 to 3 of a solved board; marks "a" to "z" on cells 1 to 26 as a
    // puzzle file lays them, without counting them in mark.
    const char* digits = "123456789456789123789123456";
    for (int k = 1; k <= 27; ++k) typeKey(k, digits[k - 1]);
    for (int k = 1; k <= 26; ++k) {
        main.markierung(k) = std::string(1, static_cast<char>('a' + k - 1));
        main.lbl_c(k).setText(main.markierung(k));
    }
    ASSERT_EQ(main.mark, 0);
    ASSERT_EQ(main.lbl_c(27).text(), "6");

    main.lbl_c(27).click();
    EXPECT_EQ(main.lbl_c(27).text(), "6");
    EXPECT_EQ(main.markierung(27), "");
    EXPECT_EQ(main.mark, 26);
    // From now on the limit holds as after 26 marks set by hand.
    main.lbl_c(26).click();
    EXPECT_EQ(main.markierung(26), "z");
    EXPECT_EQ(main.lbl_c(26).text(), "z");
}
