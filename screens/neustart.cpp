// SPDX-License-Identifier: GPL-3.0-or-later
// Restart: empties the board and every record of the game for a new puzzle.

#include "screens/programm.h"

using toolkit::False;

void frm_sudoku_main::cmd_neustart_Click() {
    back = 0;
    anz_d_ziff = 0;
    wo_w = False;
    wo_s = False;
    wo_q = False;
    for (int i = 1; i <= 81; ++i) {
        txt_m(i).setText("");
        txt_m(i).setLocked(false);
        txt_m(i).setItalic(false);
        einzelfeld_text(i).clear();
        zug_feld(i) = 0;
        zug_ziffer(i) = 0;
        lbl_c_mark_rueckg(static_cast<Integer>(i));
        lbl_c(i).setText("");
        markierung(i).clear();
        for (int j = 1; j <= 81; ++j) {
            einzelfeld_alt(i, j).clear();
            zug_reihe(i, j) = 0;
            zug_spalte(i, j) = 0;
            zug_quadrat(i, j) = 0;
        }
    }
    cmd_einlesen_vorgabe.setText("Datei einlesen");
    cmd_einlesen_vorgabe.setEnabled(true);
    sud_main_manager();
    programm_.start.neu_starten();
}
