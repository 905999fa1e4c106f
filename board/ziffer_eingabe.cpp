// SPDX-License-Identifier: GPL-3.0-or-later
// Digit entry: the key filter of the board cells, the change handling and the
// conflict check against row, column and square.

#include "board/zellen.h"
#include "screens/programm.h"
#include "screens/toolkit/failure.h"

using toolkit::False;
using toolkit::True;

void frm_sudoku_main::txt_m_KeyPress(Integer Index, int& KeyAscii) {
    if (KeyAscii < 49 || KeyAscii > 57) KeyAscii = 0;
    cmd_einlesen_vorgabe.setText("Vorgabe beenden");
    // The key is handled before its character is placed: the digit still
    // lands in this cell, the cursor already stands in the next one.
    if (Index < 81) setFocus(txt_m(Index + 1));
}

void frm_sudoku_main::txt_m_Change(Integer Index) {
    zl = txt_m(Index).text();
    z = toolkit::to_integer(toolkit::val(zl));
    if (nur_ziffern(z) != False) {
        if (schon_vorhanden(Index, z) != False) {
            alt_z = z;
            txt_m(Index).setText("!");  // runs a nested change handling, which resets z
            Meldung(Index, alt_z);
            return;
        }
        if (Index == 0) return;
        anpassen(Index, z);
        zug_feld(back) = Index;
        zug_ziffer(back) = z;
        anzeige_anpassen(Index, z);
        txt_m(Index).setLocked(true);
    }
    if (back > 0) cmd_back.setEnabled(true);
}

toolkit::Integer frm_sudoku_main::nur_ziffern(Integer zf) {
    char erstes = toolkit::zahl_text(zf).front();
    return toolkit::flag(erstes >= '1' && erstes <= '9');
}

double frm_sudoku_main::zellwert(int k) {
    return toolkit::val(txt_m(k).text());
}

toolkit::Integer frm_sudoku_main::schon_vorhanden(Integer j, Integer z) {
    Integer ergebnis = False;
    beenden = False;
    wo_w = False;
    wo_q = False;
    // The square is looked up before the walks: when a walk fails, the
    // change handling goes on with the result found so far and records the
    // move with q_s and q_n, which must then belong to this cell, not to the
    // cell checked before.
    zellen::Quadrat quadrat;
    if (zellen::quadrat_von(j, quadrat)) {
        q_s = quadrat.q_s;
        q_n = quadrat.q_n;
    }
    try {
        const int s = zellen::erste_zelle_der_reihe(j);
        for (int k = s; k <= s + 8; ++k) {
            if (k == j) {
                if (senkr_vorhanden(j, z) != False) ergebnis = True;
            } else if (zellwert(k) == z) {
                ergebnis = True;
                wo_w = True;
            }
        }
        for (int t = q_s; t <= q_s + 20; t += (t % 3 == 0) ? 7 : 1) {
            if (t != j && zellwert(t) == z) {
                ergebnis = True;
                wo_q = True;
            }
        }
    } catch (const toolkit::Failure& fehler) {
        if (fehler.number() == toolkit::fehler_element_index_ungueltig) {
            // Only the puzzle reader writes into the spare cell 0, whose row
            // walk starts at the invalid index -8: the file is damaged.
            if (Einlesen == True) {
                application().messageBox(
                    "Die einzulesende Datei wurde beschädigt oder unzulässig geändert! Das "
                    "Programm wird daher beendet.",
                    toolkit::nur_ok, "Achtung!");
                beenden = True;
                cmd_exit_Click();
            }
        } else {
            application().messageBox("Ein umbekannter Fehler trat auf!", toolkit::nur_ok,
                                     "Achtung!");
        }
    }
    return ergebnis;
}

toolkit::Integer frm_sudoku_main::senkr_vorhanden(Integer j, Integer z) {
    Integer ergebnis = False;
    wo_s = False;
    const int c = zellen::spalte(j);
    for (int n = 0; n <= 8; ++n) {
        const int k = n * 9 + c;
        if (k != j && zellwert(k) == z) {
            ergebnis = True;
            wo_s = True;
        }
    }
    return ergebnis;
}

void frm_sudoku_main::Meldung(Integer j, Integer alt_z) {
    const std::string waagrecht = wo_w == True ? " in der waagrechten Reihe " : "";
    const std::string senkrecht = wo_s == True ? " in der senkrechten Reihe " : "";
    const std::string quadrat = wo_q == True ? " im Quadrat " : "";
    std::string und1, und2;
    if ((wo_w == True && wo_s == True) || (wo_w == True && wo_q == True && wo_s == 0)) und1 = "und";
    if (wo_s == True && wo_q == True) und2 = "und";
    const std::string meldung = "Die Zahl " + toolkit::zahl_str(alt_z) + " ist" + waagrecht + und1 +
                                senkrecht + und2 + quadrat + "schon vorhanden!";
    application().messageBox(meldung, toolkit::nur_ok, "");
    txt_m(j).setText("");
}
