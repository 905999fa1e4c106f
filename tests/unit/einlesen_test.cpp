// SPDX-License-Identifier: GPL-3.0-or-later
// Reading puzzle files through the real main screen on the headless platform.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>

#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"
#include "tests/unit/arbeitsordner.h"

namespace {

const char* const beschaedigt =
    "message \"Achtung!\" 0 \"Die einzulesende Datei wurde beschädigt oder unzulässig geändert! "
    "Das Programm wird daher beendet.\" -> ok\n";

// The worked example: givens 5 in cell 1 and 3 in cell 11, then 9 in cell 21.
std::string beispiel() {
    std::string zeile = " 2-1:5/11:3/21:9/";
    for (int i = 0; i < 78; ++i) zeile += "!/";
    zeile += "-5/3/9/";
    for (int i = 0; i < 78; ++i) zeile += "%/";
    zeile += "-";
    for (int i = 0; i < 81; ++i) zeile += "?/";
    zeile += "-i/";
    for (int i = 2; i <= 81; ++i) zeile += i == 11 ? "i/" : "n/";
    return zeile + "- 3-\r\n";
}

struct Einlesen : ::testing::Test {
    Arbeitsordner ordner;
    std::ostringstream ausgabe;
    toolkit::ScriptedPlatform platform{ausgabe};
    std::unique_ptr<Programm> programm = std::make_unique<Programm>(platform);
    frm_sudoku_main& m = programm->main;

    void SetUp() override {
        programm->starten();
        programm->start.cmd_start.click();
    }
    void einlesen(const std::string& name) {
        platform.queueInput(name);
        m.cmd_einlesen_vorgabe.click();
    }
    void speichern(const std::string& name) {
        platform.queueInput(name);
        m.cmd_save.click();
    }
};

}  // namespace

TEST_F(Einlesen, ContentUpTo32767CharactersIsReadOneMoreIsDamaged) {
    // Line ends do not count; what follows the trailer is never looked at.
    std::string zeile = beispiel();
    const std::size_t inhalt = zeile.size() - 2;
    Arbeitsordner::schreiben("genau.txt", zeile + std::string(32767 - inhalt, 'x'));
    Arbeitsordner::schreiben("zu_lang.txt", zeile + std::string(32768 - inhalt, 'x'));

    einlesen("genau");
    EXPECT_EQ(m.back, 3);
    EXPECT_TRUE(m.txt_m(11).italic());
    EXPECT_FALSE(programm->app.ended());

    m.cmd_neustart.click();
    ausgabe.str("");
    einlesen("zu_lang");
    EXPECT_TRUE(programm->app.ended());
    EXPECT_EQ(m.back, 0);  // nothing of it was replayed
    EXPECT_EQ(ausgabe.str(),
              "input \"Hinweis!\" \"Geben sie zum Einlesen den Dateinamen, z.B. sudoku1 ein!\" -> "
              "\"zu_lang\"\n" +
                  std::string(beschaedigt) + "ended\n");
}

TEST_F(Einlesen, ScanThatRunsPastTheLastPositionIsDamaged) {
    // 32767 characters without the "-" that closes the header: the position
    // counter overflows.
    Arbeitsordner::schreiben("kopf.txt", std::string(32767, '7'));
    einlesen("kopf");
    EXPECT_TRUE(programm->app.ended());
    EXPECT_EQ(m.beenden, toolkit::True);
    EXPECT_EQ(m.anz_d_ziff, 0);
}

TEST_F(Einlesen, DigitSectionAcceptsOnlyDecimalDigits) {
    Arbeitsordner::schreiben("null.txt", "/-1:4/-0/-?/-n/- 1-");
    einlesen("null");
    EXPECT_FALSE(programm->app.ended());
    EXPECT_EQ(m.zug_ziffer(1), 0);  // "0" is a digit, though no move has it

    m.cmd_neustart.click();
    Arbeitsordner::schreiben("buchstabe.txt", "/-1:4/-a/-?/-n/- 1-");
    einlesen("buchstabe");
    EXPECT_TRUE(programm->app.ended());
}

TEST_F(Einlesen, MoveEntryBeyondThe81stIsAnUnknownFailure) {
    std::string zeile = "/-";
    for (int i = 0; i < 81; ++i) zeile += "!/";
    zeile += "5:5/-5/-?/-n/- 1-";
    Arbeitsordner::schreiben("zug82.txt", zeile);
    einlesen("zug82");
    EXPECT_FALSE(programm->app.ended());
    EXPECT_NE(ausgabe.str().find("\"Ein umbekannter Fehler trat auf!\""), std::string::npos);
    EXPECT_EQ(m.txt_m(5).text(), "");
    EXPECT_EQ(m.cmd_einlesen_vorgabe.text(), "Datei einlesen");
}

// Random games, saved, read back after a restart and saved again: the board
// and the file must come back unchanged.
TEST_F(Einlesen, RandomGamesSurviveTheRoundTrip) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        auto neu = std::make_unique<Programm>(platform);
        frm_sudoku_main& spiel = neu->main;
        neu->starten();
        neu->start.cmd_start.click();
        std::mt19937 zufall(seed);
        auto wuerfel = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };

        for (int schritt = 0; schritt < 150; ++schritt) {
            const int wahl = wuerfel(20);
            if (wahl < 14) {
                const int zelle = 1 + wuerfel(81);
                if (spiel.txt_m(zelle).text().empty())
                    spiel.txt_m(zelle).pressKey('1' + wuerfel(9));
            } else if (wahl < 16 && spiel.back > 0) {
                spiel.lbl_c(toolkit::to_integer(spiel.zug_feld(spiel.back))).click();
            } else if (wahl < 18) {
                spiel.cmd_back.click();
            } else if (seed % 3 != 0 && spiel.back > 0 && spiel.cmd_einlesen_vorgabe.enabled()) {
                spiel.cmd_einlesen_vorgabe.click();  // fixes the givens; never in every third game
            }
        }
        platform.queueInput("vorher");
        spiel.cmd_save.click();

        struct Zelle {
            std::string text;
            bool italic, locked;
            std::string markierung;
            bool operator==(const Zelle&) const = default;
        };
        auto zellen = [&] {
            std::vector<Zelle> alle;
            for (int i = 1; i <= 81; ++i)
                alle.push_back({spiel.txt_m(i).text(), spiel.txt_m(i).italic(),
                                spiel.txt_m(i).locked(), spiel.markierung(i)});
            return alle;
        };
        const auto brett = zellen();
        const auto back = spiel.back, anz_d_ziff = spiel.anz_d_ziff, vorgabe = spiel.Vorgabe;
        const bool knopf = spiel.cmd_einlesen_vorgabe.enabled();

        spiel.cmd_neustart.click();
        platform.queueInput("vorher");
        spiel.cmd_einlesen_vorgabe.click();
        platform.queueInput("nachher");
        spiel.cmd_save.click();

        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_FALSE(neu->app.ended());
        EXPECT_EQ(Arbeitsordner::lesen("nachher.txt"), Arbeitsordner::lesen("vorher.txt"));
        EXPECT_TRUE(zellen() == brett);
        EXPECT_EQ(spiel.back, back);
        EXPECT_EQ(spiel.anz_d_ziff, anz_d_ziff);
        EXPECT_EQ(spiel.Vorgabe, vorgabe);
        EXPECT_EQ(spiel.cmd_einlesen_vorgabe.enabled(), knopf);
        EXPECT_EQ(spiel.cmd_einlesen_vorgabe.text(), "Vorgabe beenden");
    }
}
