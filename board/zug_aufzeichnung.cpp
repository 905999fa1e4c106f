// SPDX-License-Identifier: GPL-3.0-or-later
// Move recording and the check displays: row, column and square displays,
// candidate pads, the last-entry display and the count panel.

#include "board/zellen.h"
#include "screens/programm.h"

using toolkit::False;
using toolkit::True;

void frm_sudoku_main::anpassen(Integer j, Integer z) {
    const int reihen_slot = 9 * (zellen::reihe(j) - 1) + z;
    const int spalten_slot = 9 * (zellen::spalte(j) - 1) + z;
    lbl_w(reihen_slot).setText("");
    lbl_s(spalten_slot).setText("");
    const int quadrat_slot = q_n * 9 + z;
    lbl_q(quadrat_slot).setText("");

    back = toolkit::add(back, 1);

    // While a puzzle file is replayed, the givens are fixed as soon as the
    // move count reaches the file's number of givens.
    if (Einlesen == True && back == anz_d_ziff) {
        cmd_einlesen_vorgabe.setText("Vorgabe beenden");
        cmd_einlesen_vorgabe_Click();
    }
    anzeige_eing_ziffern();
    txt_test.setText(toolkit::zahl_text(back));

    zug_reihe(back, reihen_slot) = z;
    zug_spalte(back, spalten_slot) = z;
    zug_quadrat(back, quadrat_slot) = z;
}

void frm_sudoku_main::anzeige_anpassen(Integer j, Integer z) {
    const std::size_t p = static_cast<std::size_t>(zellen::kandidaten_position(z)) - 1;

    const int erste = zellen::erste_zelle_der_reihe(j);
    for (int i = erste; i <= erste + 8; ++i) {
        einzelfeld_alt(back, i) = einzelfeld_text(i);
        if (!einzelfeld_text(i).empty()) {
            if (i == j)
                einzelfeld_text(i).clear();
            else
                einzelfeld_text(i)[p] = ' ';
        }
        txt_c(i).setText(einzelfeld_text(i));
    }

    const int c = zellen::spalte(j);
    for (int k = 0; k <= 8; ++k) {
        const int i = k * 9 + c;
        if (i != j) einzelfeld_alt(back, i) = einzelfeld_text(i);
        if (!einzelfeld_text(i).empty()) einzelfeld_text(i)[p] = ' ';
        txt_c(i).setText(einzelfeld_text(i));
    }

    for (int i = q_s; i <= q_s + 20; ++i) {
        // Cells the row or column step saved keep the text from before the move.
        if (i != j && einzelfeld_alt(back, i).empty()) einzelfeld_alt(back, i) = einzelfeld_text(i);
        if (!einzelfeld_text(i).empty()) {
            einzelfeld_text(i)[p] = ' ';
            txt_c(i).setText(einzelfeld_text(i));
        }
        if (i % 3 == 0) i += 6;
    }

    letzte_zahl();
}

void frm_sudoku_main::letzte_zahl() {
    for (int i = 1; i <= 81; ++i) {
        const std::string& beschriftung = lbl_c(i).text();
        if (!beschriftung.empty() && static_cast<unsigned char>(beschriftung[0]) < 58)
            lbl_c(i).setText("");
    }
    const int k = toolkit::to_integer(zug_feld(back));
    const std::string& beschriftung = lbl_c(k).text();
    if (!beschriftung.empty() && static_cast<unsigned char>(beschriftung[0]) > 96) {
        lbl_erkl(1).setText(beschriftung);
        lbl_erkl(2).setText(toolkit::zahl_text(zug_ziffer(back)));
    }
    lbl_c(k).setText(toolkit::zahl_text(zug_ziffer(back)));
}

void frm_sudoku_main::anzeige_eing_ziffern() {
    if (Vorgabe != False) {
        lbl_erkl(4).setText(toolkit::zahl_text(anz_d_ziff));
        const int eigene = back - anz_d_ziff;
        lbl_erkl(5).setText(eigene != 0 ? toolkit::zahl_text(eigene) : "");
    } else {
        lbl_erkl(4).setText(toolkit::zahl_text(back));
    }
}
