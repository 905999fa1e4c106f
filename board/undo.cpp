// SPDX-License-Identifier: GPL-3.0-or-later
// Undo: takes back the last move, one move per click, down to the givens.

#include "screens/frm_sudoku_main.h"
#include "screens/toolkit/numbers.h"

using toolkit::True;

void frm_sudoku_main::cmd_back_Click() {
    if (Vorgabe == True && back <= anz_d_ziff) return;
    if (Vorgabe != True && back == 0) return;

    const int m = back;
    const int k = toolkit::toInteger(zug_feld(m));
    for (int i = 1; i <= 81; ++i) {
        if (zug_reihe(m, i) != 0) {
            lbl_w(i).setText(toolkit::numberText(zug_reihe(m, i)));
            zug_reihe(m, i) = 0;
        }
        if (zug_spalte(m, i) != 0) {
            lbl_s(i).setText(toolkit::numberText(zug_spalte(m, i)));
            zug_spalte(m, i) = 0;
        }
        if (zug_quadrat(m, i) != 0) {
            lbl_q(i).setText(toolkit::numberText(zug_quadrat(m, i)));
            zug_quadrat(m, i) = 0;
        }
        if (!einzelfeld_alt(m, i).empty()) {
            einzelfeld_text(i) = einzelfeld_alt(m, i);
            einzelfeld_alt(m, i).clear();
            txt_c(i).setText(einzelfeld_text(i));
        }
        if (i == k) {
            txt_m(i).setText("");  // runs the change handling, which records nothing
            txt_m(i).setLocked(false);
        }
    }
    // A move read from a hand-edited puzzle file may have no cell (an "!"
    // entry before real moves): there is no mark to take back then.
    if (k >= 1 && k <= 81 && !markierung(k).empty()) lbl_c_mark_rueckg(static_cast<Integer>(k));

    back = toolkit::add(back, -1);
    anzeige_eing_ziffern();

    const bool moveStays = Vorgabe == True ? back > anz_d_ziff : back != 0;
    if (moveStays) {
        letzte_zahl();
    } else {
        // No move is left to show: the last-entry display must not keep the
        // digit of the move just taken back.
        lbl_c(k).setText("");
        cmd_back.setEnabled(false);
    }
}
