// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the main screen and initialising the check displays.

#include "board/cells.h"
#include "screens/frm_sudoku_main.h"
#include "screens/frm_sudoku_start.h"
#include "screens/toolkit/numbers.h"

using toolkit::False;
using toolkit::True;

void frm_sudoku_main::Form_Load() {
    Vorgabe = False;
    Einlesen = False;
    sud_main_manager();
}

void frm_sudoku_main::sud_main_manager() {
    const frm_sudoku_start& start = startScreen();
    auto show = [](ElementArray& display, Integer flagValue) {
        for (int i = 1; i <= 81; ++i) display(i).setVisible(flagValue != 0);
    };
    show(lbl_s, start.Spalten);
    show(lbl_w, start.Reihen);
    show(lbl_q, start.Quadr);
    show(txt_c, start.Einzelf);
    show(lbl_c, start.letzte_E);

    if (nicht_neu == True) {
        nicht_neu = False;
        return;
    }

    for (int i = 1; i <= 81; ++i) {
        std::string digit = toolkit::numberText(cells::column(i));
        lbl_s(i).setText(digit);
        lbl_w(i).setText(digit);
        lbl_q(i).setText(digit);
    }
    for (int i = 1; i <= 81; ++i) {
        einzelfeld_text(i) = cells::full_candidates;
        txt_c(i).setText(einzelfeld_text(i));
    }
    lbl_erkl(0).setText("Letzte mark.\r\n Ziffer");
    lbl_erkl(3).setText("Eingegebene\r\n Ziffern");
}
