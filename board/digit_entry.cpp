// SPDX-License-Identifier: GPL-3.0-or-later
// Digit entry: the key filter of the board cells, the change handling and the
// conflict check against row, column and square.

#include "board/cells.h"
#include "screens/frm_sudoku_main.h"
#include "screens/toolkit/application.h"
#include "screens/toolkit/failure.h"
#include "screens/toolkit/numbers.h"

using toolkit::False;
using toolkit::True;

void frm_sudoku_main::txt_m_KeyPress(Integer Index, int& key) {
    if (key < 49 || key > 57) key = 0;
    cmd_einlesen_vorgabe.setText("Vorgabe beenden");
    // The key is handled before its character is placed: the digit still
    // lands in this cell, the cursor already stands in the next one.
    if (Index < 81) setFocus(txt_m(Index + 1));
}

void frm_sudoku_main::txt_m_Change(Integer Index) {
    zl = txt_m(Index).text();
    z = toolkit::toInteger(toolkit::val(zl));
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
    char firstChar = toolkit::numberText(zf).front();
    return toolkit::flag(firstChar >= '1' && firstChar <= '9');
}

double frm_sudoku_main::cellValue(int k) {
    return toolkit::val(txt_m(k).text());
}

toolkit::Integer frm_sudoku_main::schon_vorhanden(Integer j, Integer z) {
    Integer result = False;
    beenden = False;
    wo_w = False;
    wo_q = False;
    // The square is looked up before the walks: when a walk fails, the
    // change handling goes on with the result found so far and records the
    // move with q_s and q_n, which must then belong to this cell, not to the
    // cell checked before.
    cells::Square square;
    if (cells::squareOf(j, square)) {
        q_s = square.q_s;
        q_n = square.q_n;
    }
    try {
        const int s = cells::firstCellOfRow(j);
        for (int k = s; k <= s + 8; ++k) {
            if (k == j) {
                if (senkr_vorhanden(j, z) != False) result = True;
            } else if (cellValue(k) == z) {
                result = True;
                wo_w = True;
            }
        }
        for (int t = q_s; t <= q_s + 20; t += (t % 3 == 0) ? 7 : 1) {
            if (t != j && cellValue(t) == z) {
                result = True;
                wo_q = True;
            }
        }
    } catch (const toolkit::Failure& fail) {
        if (fail.number() == toolkit::failure_element_index) {
            // Only the puzzle reader writes into the spare cell 0, whose row
            // walk starts at the invalid index -8: the file is damaged.
            if (Einlesen == True) endForDamagedFile();
        } else {
            application().messageBox("Ein umbekannter Fehler trat auf!", toolkit::ok_only,
                                     "Achtung!");
        }
    }
    return result;
}

toolkit::Integer frm_sudoku_main::senkr_vorhanden(Integer j, Integer z) {
    Integer result = False;
    wo_s = False;
    const int c = cells::column(j);
    for (int n = 0; n <= 8; ++n) {
        const int k = n * 9 + c;
        if (k != j && cellValue(k) == z) {
            result = True;
            wo_s = True;
        }
    }
    return result;
}

void frm_sudoku_main::Meldung(Integer j, Integer alt_z) {
    const std::string horizontal = wo_w == True ? " in der waagrechten Reihe " : "";
    const std::string vertical = wo_s == True ? " in der senkrechten Reihe " : "";
    const std::string square = wo_q == True ? " im Quadrat " : "";
    std::string and1, and2;
    if ((wo_w == True && wo_s == True) || (wo_w == True && wo_q == True && wo_s == 0)) and1 = "und";
    if (wo_s == True && wo_q == True) and2 = "und";
    const std::string message = "Die Zahl " + toolkit::numberStr(alt_z) + " ist" + horizontal +
                                and1 + vertical + and2 + square + "schon vorhanden!";
    application().messageBox(message, toolkit::ok_only, "");
    txt_m(j).setText("");
}
