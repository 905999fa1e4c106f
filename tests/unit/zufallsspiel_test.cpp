// SPDX-License-Identifier: GPL-3.0-or-later
// A long random game played like a user: digits typed into cells, refused
// digits, other keys, undo, mark clicks, a view change now and then and, in
// some runs, the givens fixed part way. After every step the screens are
// compared with what follows from the digits on the board alone, kept by a
// small model of the board in this test, never from the program's records.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

constexpr const char* volle_kandidaten = "1 2 3\r\n4 5 6\r\n7 8 9";
constexpr int position_der_ziffer[] = {0, 0, 2, 4, 7, 9, 11, 14, 16, 18};  // from 0

int reihe_von(int k) {
    return (k - 1) / 9;
}  // 0 to 8
int spalte_von(int k) {
    return (k - 1) % 9;
}
int quadrat_von(int k) {
    return reihe_von(k) / 3 * 3 + spalte_von(k) / 3;
}

bool ist_ziffer(const std::string& text) {
    return text.size() == 1 && text[0] >= '1' && text[0] <= '9';
}
bool ist_buchstabe(const std::string& text) {
    return text.size() == 1 && text[0] >= 'a' && text[0] <= 'z';
}

// What the user has put on the board, kept by the test itself.
struct Brett {
    std::array<int, 82> ziffer{};            // 0 = empty cell
    std::vector<std::pair<int, int>> zuege;  // (cell, digit) in the order accepted
    bool vorgabe = false;                    // givens fixed
    int vorgaben = 0;                        // their number
    bool zaehler_geschrieben = false;        // the count panel was refreshed once
    bool zurueck_aktiv = true;               // expected state of "1 Schritt zurück"

    bool in_reihe(int r, int d) const {
        for (int c = 0; c < 9; ++c)
            if (ziffer[r * 9 + c + 1] == d) return true;
        return false;
    }
    bool in_spalte(int c, int d) const {
        for (int r = 0; r < 9; ++r)
            if (ziffer[r * 9 + c + 1] == d) return true;
        return false;
    }
    bool in_quadrat(int q, int d) const {
        for (int i = 0; i < 9; ++i)
            if (ziffer[(q / 3 * 3 + i / 3) * 9 + q % 3 * 3 + i % 3 + 1] == d) return true;
        return false;
    }
    bool moeglich(int k, int d) const {
        return !in_reihe(reihe_von(k), d) && !in_spalte(spalte_von(k), d) &&
               !in_quadrat(quadrat_von(k), d);
    }
    bool kann_zurueck() const { return static_cast<int>(zuege.size()) > (vorgabe ? vorgaben : 0); }
};

// The message that refuses digit d in cell k, worded by where d already stands.
std::string konflikt_meldung(const Brett& brett, int k, int d) {
    const bool w = brett.in_reihe(reihe_von(k), d);
    const bool s = brett.in_spalte(spalte_von(k), d);
    const bool q = brett.in_quadrat(quadrat_von(k), d);
    const std::string reihe = " in der waagrechten Reihe ";
    const std::string spalte = " in der senkrechten Reihe ";
    const std::string quadrat = " im Quadrat ";
    std::string mitte;
    if (w && s && q)
        mitte = reihe + "und" + spalte + "und" + quadrat;
    else if (w && s)
        mitte = reihe + "und" + spalte;
    else if (s && q)
        mitte = spalte + "und" + quadrat;
    else if (w && q)
        mitte = reihe + "und" + quadrat;
    else if (w)
        mitte = reihe;
    else if (s)
        mitte = spalte;
    else
        mitte = quadrat;
    return "message \"\" 0 \"Die Zahl  " + std::to_string(d) + " ist" + mitte +
           "schon vorhanden!\" -> ok\n";
}

// A cheap comparison for the many checks after every step: gtest's own
// macros would take most of the test's time.
template <class T>
void gleich(const T& ist, const T& soll, const char* was, int k) {
    if (!(ist == soll))
        ADD_FAILURE() << was << "(" << k << ") is " << ::testing::PrintToString(ist)
                      << ", expected " << ::testing::PrintToString(soll);
}

class Zufallsspiel {
  public:
    Zufallsspiel(unsigned seed, bool anzeigen_verstecken)
        : zufall_(seed), programm_(std::make_unique<Programm>(plattform_)) {
        programm_->starten();
        frm_sudoku_start& start = programm_->start;
        if (anzeigen_verstecken) {
            // Hide every check display but the last-entry one, whose labels
            // the user clicks to set marks: the hidden ones must still follow.
            start.cmd_ansicht.click();
            for (int i = 0; i <= 3; ++i) start.chk_verstecken(i).click();
            start.cmd_ansicht.click();
        }
        start.cmd_start.click();
        versteckt_ = anzeigen_verstecken;
        ausgabe_.str("");
    }

    void spielen(int schritte, int vorgabe_nach_schritt) {
        bool zurueckgehen = false;
        for (int schritt = 1; schritt <= schritte; ++schritt) {
            SCOPED_TRACE("step " + std::to_string(schritt));
            if (schritt == vorgabe_nach_schritt) {
                vorgabe_festlegen();
            } else if (schritt / 250 % 4 == 3) {
                // A stretch in which the user first goes back a long way and
                // then marks almost every move, so that the 26 letters run out.
                if (schritt % 250 == 0) zurueckgehen = true;
                if (brett_.zuege.size() <= 15 || !brett_.kann_zurueck()) zurueckgehen = false;
                const int wurf = wuerfeln(0, 99);
                if (zurueckgehen)
                    zurueck();
                else if (wurf < 50)
                    ziffer_tippen(true);
                else if (wurf < 52)
                    zurueck();
                else
                    markieren(true);
            } else {
                const int wurf = wuerfeln(0, 99);
                if (wurf < 55)
                    ziffer_tippen(wuerfeln(0, 1) == 0);
                else if (wurf < 63)
                    andere_taste();
                else if (wurf < 80)
                    zurueck();
                else if (wurf < 99)
                    markieren(false);
                else
                    ansicht_wechseln();
            }
            pruefen();
            if (::testing::Test::HasFatalFailure() || ::testing::Test::HasFailure()) return;
        }
    }

    int maximale_zuege() const { return maximale_zuege_; }
    int hoechste_markenzahl() const { return hoechste_markenzahl_; }
    int abgelehnt() const { return abgelehnt_; }
    int an_der_grenze() const { return an_der_grenze_; }

  private:
    frm_sudoku_main& main() { return programm_->main; }

    int wuerfeln(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

    int zufalls_zelle(bool nur_leere) {
        std::vector<int> zellen;
        for (int k = 1; k <= 81; ++k)
            if (!nur_leere || brett_.ziffer[k] == 0) zellen.push_back(k);
        if (zellen.empty()) return wuerfeln(1, 81);
        return zellen[static_cast<std::size_t>(wuerfeln(0, static_cast<int>(zellen.size()) - 1))];
    }

    // A user's key press in cell k: the cell gets the focus, then the key.
    void taste(int k, int code) {
        main().setFocus(main().txt_m(k));
        main().txt_m(k).pressKey(code);
        EXPECT_EQ(programm_->app.focus(), &main().txt_m(k < 81 ? k + 1 : 81));
        EXPECT_EQ(main().cmd_einlesen_vorgabe.text(), "Vorgabe beenden");
        tasten_gedrueckt_ = true;
    }

    // A digit typed into a cell, mostly an empty one; with passend one that
    // the cell can still take, if there is one.
    void ziffer_tippen(bool passend) {
        const int k = zufalls_zelle(wuerfeln(0, 9) < 9);
        int d = wuerfeln(1, 9);
        if (passend)
            for (int versuch = 0; versuch < 9 && !brett_.moeglich(k, d); ++versuch) d = d % 9 + 1;
        const bool leer = brett_.ziffer[k] == 0;
        const bool passt = leer && brett_.moeglich(k, d);
        const std::string erwartete_meldung =
            leer && !passt ? konflikt_meldung(brett_, k, d) : std::string();

        taste(k, '0' + d);

        EXPECT_EQ(ausgabe_.str(), erwartete_meldung) << "cell " << k << " digit " << d;
        if (passt) {
            brett_.ziffer[k] = d;
            brett_.zuege.emplace_back(k, d);
            brett_.zaehler_geschrieben = true;
            brett_.zurueck_aktiv = true;
            EXPECT_EQ(main().lbl_c(k).text(), std::to_string(d));
        } else if (leer) {
            ++abgelehnt_;
            if (!brett_.zuege.empty()) brett_.zurueck_aktiv = true;
        }
        if (static_cast<int>(brett_.zuege.size()) > maximale_zuege_)
            maximale_zuege_ = static_cast<int>(brett_.zuege.size());
    }

    void andere_taste() {
        static constexpr int tasten[] = {'0', 'a', 'Z', ' ', '!', '-', 8, 13, 0xE4};
        taste(zufalls_zelle(false), tasten[wuerfeln(0, 8)]);
        EXPECT_EQ(ausgabe_.str(), "");
    }

    void zurueck() {
        // A user can click the button only while it is enabled.
        if (!main().cmd_back.enabled()) {
            EXPECT_FALSE(brett_.kann_zurueck());
            return;
        }
        const bool kann = brett_.kann_zurueck();
        int zelle = 0;
        std::string marke;
        std::string beschriftung_davor;  // of the move that becomes the last one
        const std::string panel_davor = main().lbl_erkl(1).text();
        if (kann) {
            zelle = brett_.zuege.back().first;
            marke = main().markierung(zelle);
            if (brett_.zuege.size() >= 2)
                beschriftung_davor =
                    main().lbl_c(brett_.zuege[brett_.zuege.size() - 2].first).text();
        }
        main().cmd_back.click();
        if (!kann) return;
        brett_.ziffer[zelle] = 0;
        brett_.zuege.pop_back();
        brett_.zaehler_geschrieben = true;
        brett_.zurueck_aktiv = brett_.kann_zurueck();
        EXPECT_EQ(main().markierung(zelle), "");
        EXPECT_EQ(main().lbl_c(zelle).text(), "");
        if (brett_.kann_zurueck()) {
            // The new last move is shown on the last-entry display. When its
            // label showed a letter, the mark panel shows that letter and the
            // digit; otherwise the panel is empty if a mark was taken back,
            // and unchanged if not.
            auto [k, d] = brett_.zuege.back();
            EXPECT_EQ(main().lbl_c(k).text(), std::to_string(d));
            if (ist_buchstabe(beschriftung_davor)) {
                EXPECT_EQ(main().lbl_erkl(1).text(), beschriftung_davor);
                EXPECT_EQ(main().lbl_erkl(2).text(), std::to_string(d));
            } else if (!marke.empty()) {
                EXPECT_EQ(main().lbl_erkl(1).text(), "");
                EXPECT_EQ(main().lbl_erkl(2).text(), "");
            } else {
                EXPECT_EQ(main().lbl_erkl(1).text(), panel_davor);
            }
        } else {
            if (!marke.empty()) {
                EXPECT_EQ(main().lbl_erkl(1).text(), "");
                EXPECT_EQ(main().lbl_erkl(2).text(), "");
            }
            for (int i = 1; i <= 81; ++i)
                EXPECT_FALSE(ist_ziffer(main().lbl_c(i).text())) << "lbl_c(" << i << ")";
        }
    }

    int markenzahl() {
        int n = 0;
        for (int i = 1; i <= 81; ++i)
            if (ist_buchstabe(main().markierung(i))) ++n;
        return n;
    }

    // A click on a label of the last-entry display: mostly the last move's
    // label; with gezielt only while it shows the digit (a user who wants to
    // mark the move).
    void markieren(bool gezielt) {
        int k = zufalls_zelle(false);
        if (!brett_.zuege.empty() && wuerfeln(0, 19) >= (gezielt ? 1 : 5)) {
            const int letzte = brett_.zuege.back().first;
            if (!gezielt || ist_ziffer(main().lbl_c(letzte).text())) k = letzte;
        }
        const std::string vorher = main().lbl_c(k).text();
        const int mark_vorher = main().mark;
        const int anzahl = markenzahl();
        main().lbl_c(k).click();
        const std::string nachher = main().lbl_c(k).text();

        if (brett_.ziffer[k] != 0 && mark_vorher > 24) ++an_der_grenze_;
        if (brett_.ziffer[k] == 0 || mark_vorher > 24) {
            EXPECT_EQ(nachher, vorher);
            EXPECT_EQ(main().mark, mark_vorher);
            return;
        }
        if (ist_ziffer(vorher)) {
            // A new mark: the letter after the marks counted now.
            const std::string buchstabe(1, static_cast<char>('a' + anzahl));
            EXPECT_EQ(nachher, buchstabe);
            EXPECT_EQ(main().markierung(k), buchstabe);
            EXPECT_EQ(main().mark, anzahl);
        } else if (ist_buchstabe(vorher) && vorher[0] == 'a' + anzahl - 1) {
            // The highest letter comes off again.
            EXPECT_EQ(nachher, "");
            EXPECT_EQ(main().markierung(k), "");
            EXPECT_EQ(main().mark, anzahl - 1);
        } else {
            EXPECT_EQ(nachher, vorher);
            EXPECT_EQ(main().mark, anzahl);
        }
        if (markenzahl() > hoechste_markenzahl_) hoechste_markenzahl_ = markenzahl();
    }

    void vorgabe_festlegen() {
        if (!tasten_gedrueckt_) taste(zufalls_zelle(false), 'x');
        main().cmd_einlesen_vorgabe.click();
        brett_.vorgabe = true;
        brett_.vorgaben = static_cast<int>(brett_.zuege.size());
        EXPECT_FALSE(main().cmd_einlesen_vorgabe.enabled());
        for (int k = 1; k <= 81; ++k)
            EXPECT_EQ(main().txt_m(k).italic(), brett_.ziffer[k] != 0) << k;
    }

    // "Ansicht ändern", "Zurück", "Fortsetzen": the game must be unchanged.
    void ansicht_wechseln() {
        main().cmd_ans_aend.click();
        EXPECT_TRUE(programm_->start.visible());
        EXPECT_FALSE(main().visible());
        programm_->start.cmd_ansicht.click();
        EXPECT_EQ(programm_->start.cmd_start.text(), "Fortsetzen");
        programm_->start.cmd_start.click();
        EXPECT_TRUE(main().visible());
    }

    void pruefen() {
        const Brett& b = brett_;
        frm_sudoku_main& m = main();
        const int zuege = static_cast<int>(b.zuege.size());
        EXPECT_EQ(ausgabe_.str().find("ended"), std::string::npos);
        ausgabe_.str("");

        // Which digits stand in each row, column and square (bit d).
        std::array<int, 9> in_reihe{}, in_spalte{}, in_quadrat{};
        for (int k = 1; k <= 81; ++k) {
            const int bit = 1 << b.ziffer[k];
            in_reihe[reihe_von(k)] |= bit;
            in_spalte[spalte_von(k)] |= bit;
            in_quadrat[quadrat_von(k)] |= bit;
        }
        std::array<bool, 82> vorgabe{};
        for (int i = 0; b.vorgabe && i < b.vorgaben; ++i)
            vorgabe[b.zuege[static_cast<std::size_t>(i)].first] = true;

        for (int k = 1; k <= 81; ++k) {
            // Cells: the digit, locked exactly when filled, givens in italics.
            const std::string text = b.ziffer[k] ? std::to_string(b.ziffer[k]) : "";
            if (m.txt_m(k).text() != text) {
                FAIL() << "txt_m(" << k << ") = \"" << m.txt_m(k).text() << "\", expected \""
                       << text << "\"";
            }
            gleich(m.txt_m(k).locked(), b.ziffer[k] != 0, "txt_m.locked", k);
            gleich(m.txt_m(k).italic(), vorgabe[k], "txt_m.italic", k);

            // Candidate pad: every digit not ruled out by a filled cell.
            std::string kandidaten;
            if (b.ziffer[k] == 0) {
                kandidaten = volle_kandidaten;
                const int belegt =
                    in_reihe[reihe_von(k)] | in_spalte[spalte_von(k)] | in_quadrat[quadrat_von(k)];
                for (int d = 1; d <= 9; ++d)
                    if (belegt & (1 << d)) kandidaten[position_der_ziffer[d]] = ' ';
            }
            gleich(m.txt_c(k).text(), kandidaten, "txt_c", k);

            // Row, column and square displays: the digits still open.
            const int einheit = (k - 1) / 9;
            const int d = (k - 1) % 9 + 1;
            const std::string offen(1, static_cast<char>('0' + d));
            const std::string leer;
            gleich(m.lbl_w(k).text(), in_reihe[einheit] & (1 << d) ? leer : offen, "lbl_w", k);
            gleich(m.lbl_s(k).text(), in_spalte[einheit] & (1 << d) ? leer : offen, "lbl_s", k);
            gleich(m.lbl_q(k).text(), in_quadrat[einheit] & (1 << d) ? leer : offen, "lbl_q", k);

            // Shown or hidden as the start screen's check boxes say.
            gleich(m.lbl_w(k).visible(), !versteckt_, "lbl_w.visible", k);
            gleich(m.txt_c(k).visible(), !versteckt_, "txt_c.visible", k);
            gleich(m.lbl_c(k).visible(), true, "lbl_c.visible", k);
        }

        // Last-entry display: at most one digit, the last move's at its cell.
        int ziffern = 0;
        for (int k = 1; k <= 81; ++k) {
            const std::string& beschriftung = m.lbl_c(k).text();
            if (ist_ziffer(beschriftung)) {
                ++ziffern;
                ASSERT_FALSE(b.zuege.empty()) << "lbl_c(" << k << ")";
                EXPECT_EQ(k, b.zuege.back().first) << "lbl_c(" << k << ")";
                EXPECT_EQ(beschriftung, std::to_string(b.zuege.back().second));
            } else if (!beschriftung.empty()) {
                EXPECT_TRUE(ist_buchstabe(beschriftung)) << "lbl_c(" << k << ")";
                EXPECT_EQ(beschriftung, m.markierung(k)) << "lbl_c(" << k << ")";
            }
            // A mark belongs to a filled cell and is one letter.
            if (!m.markierung(k).empty()) {
                EXPECT_TRUE(ist_buchstabe(m.markierung(k))) << "markierung(" << k << ")";
                EXPECT_NE(b.ziffer[k], 0) << "markierung(" << k << ")";
            }
        }
        EXPECT_LE(ziffern, 1);
        const int marken = markenzahl();
        EXPECT_LE(marken, 26);
        EXPECT_GE(m.mark, marken - 1);
        EXPECT_LE(m.mark, marken);
        EXPECT_EQ(m.lbl_erkl(1).text().empty(), m.lbl_erkl(2).text().empty());
        if (!m.lbl_erkl(1).text().empty()) {
            EXPECT_TRUE(ist_buchstabe(m.lbl_erkl(1).text()));
            EXPECT_TRUE(ist_ziffer(m.lbl_erkl(2).text()));
        }

        // Count panel and undo button.
        std::string erste, zweite;
        if (b.zaehler_geschrieben) {
            erste = std::to_string(b.vorgabe ? b.vorgaben : zuege);
            if (b.vorgabe && zuege > b.vorgaben) zweite = std::to_string(zuege - b.vorgaben);
        }
        EXPECT_EQ(m.lbl_erkl(4).text(), erste);
        EXPECT_EQ(m.lbl_erkl(5).text(), zweite);
        EXPECT_EQ(m.back, zuege);
        EXPECT_EQ(m.cmd_back.enabled(), b.zurueck_aktiv);
    }

    std::mt19937 zufall_;
    std::ostringstream ausgabe_;
    toolkit::ScriptedPlatform plattform_{ausgabe_};
    std::unique_ptr<Programm> programm_;
    Brett brett_;
    bool versteckt_ = false;
    bool tasten_gedrueckt_ = false;
    int maximale_zuege_ = 0;
    int hoechste_markenzahl_ = 0;
    int abgelehnt_ = 0;
    int an_der_grenze_ = 0;  // clicks ignored because 26 marks were set
};

struct Lauf {
    unsigned seed;
    bool anzeigen_verstecken;
    int vorgabe_nach_schritt;  // 0 = the givens are never fixed
};

class ZufallsspielTest : public ::testing::TestWithParam<Lauf> {};

}  // namespace

TEST_P(ZufallsspielTest, DisplaysFollowTheBoardAfterEveryStep) {
    const Lauf lauf = GetParam();
    Zufallsspiel spiel(lauf.seed, lauf.anzeigen_verstecken);
    spiel.spielen(3000, lauf.vorgabe_nach_schritt);
    // The game went deep enough to mean something: a well filled board,
    // many refusals, and all 26 marks with clicks ignored at the limit.
    EXPECT_GE(spiel.maximale_zuege(), 50);
    EXPECT_GE(spiel.abgelehnt(), 500);
    EXPECT_EQ(spiel.hoechste_markenzahl(), 26);
    EXPECT_GT(spiel.an_der_grenze(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Laeufe, ZufallsspielTest,
    ::testing::Values(Lauf{1, false, 0}, Lauf{2, false, 150}, Lauf{3, true, 40}, Lauf{4, false, 1}),
    [](const ::testing::TestParamInfo<Lauf>& info) {
        const Lauf& lauf = info.param;
        return "Seed" + std::to_string(lauf.seed) + (lauf.anzeigen_verstecken ? "_Versteckt" : "") +
               (lauf.vorgabe_nach_schritt
                    ? "_VorgabeNach" + std::to_string(lauf.vorgabe_nach_schritt)
                    : "");
    });
