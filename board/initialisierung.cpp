// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the main screen and initialising the check displays.

#include "board/zellen.h"
#include "screens/programm.h"

using toolkit::False;
using toolkit::True;

void frm_sudoku_main::Form_Load() {
    Vorgabe = False;
    Einlesen = False;
    sud_main_manager();
}

void frm_sudoku_main::sud_main_manager() {
    const frm_sudoku_start& start = programm_.start;
    auto zeigen = [](ElementArray& anzeige, Integer flagge) {
        for (int i = 1; i <= 81; ++i) anzeige(i).setVisible(flagge != 0);
    };
    zeigen(lbl_s, start.Spalten);
    zeigen(lbl_w, start.Reihen);
    zeigen(lbl_q, start.Quadr);
    zeigen(txt_c, start.Einzelf);
    zeigen(lbl_c, start.letzte_E);

    if (nicht_neu == True) {
        nicht_neu = False;
        return;
    }

    for (int i = 1; i <= 81; ++i) {
        std::string ziffer = toolkit::zahl_text(zellen::spalte(i));
        lbl_s(i).setText(ziffer);
        lbl_w(i).setText(ziffer);
        lbl_q(i).setText(ziffer);
    }
    for (int i = 1; i <= 81; ++i) {
        einzelfeld_text(i) = zellen::volle_kandidaten;
        txt_c(i).setText(einzelfeld_text(i));
    }
    lbl_erkl(0).setText("Letzte mark.\r\n Ziffer");
    lbl_erkl(3).setText("Eingegebene\r\n Ziffern");
}
