// SPDX-License-Identifier: GPL-3.0-or-later
// Move recording and the check displays: row, column and square displays,
// candidate pads, the last-entry display and the count panel.

#include "board/cells.h"
#include "screens/frm_sudoku_main.h"
#include "screens/toolkit/numbers.h"

using toolkit::False;
using toolkit::True;

void frm_sudoku_main::anpassen(Integer j, Integer z) {
    const int rowSlot = 9 * (cells::row(j) - 1) + z;
    const int columnSlot = 9 * (cells::column(j) - 1) + z;
    lbl_w(rowSlot).setText("");
    lbl_s(columnSlot).setText("");
    const int squareSlot = q_n * 9 + z;
    lbl_q(squareSlot).setText("");

    back = toolkit::add(back, 1);

    // While a puzzle file is replayed, the givens are fixed as soon as the
    // move count reaches the file's number of givens.
    if (Einlesen == True && back == anz_d_ziff) {
        cmd_einlesen_vorgabe.setText("Vorgabe beenden");
        cmd_einlesen_vorgabe_Click();
    }
    anzeige_eing_ziffern();
    txt_test.setText(toolkit::numberText(back));

    zug_reihe(back, rowSlot) = z;
    zug_spalte(back, columnSlot) = z;
    zug_quadrat(back, squareSlot) = z;
}

void frm_sudoku_main::anzeige_anpassen(Integer j, Integer z) {
    const std::size_t p = static_cast<std::size_t>(cells::candidatePosition(z)) - 1;

    const int first = cells::firstCellOfRow(j);
    for (int i = first; i <= first + 8; ++i) {
        einzelfeld_alt(back, i) = einzelfeld_text(i);
        if (!einzelfeld_text(i).empty()) {
            if (i == j)
                einzelfeld_text(i).clear();
            else
                einzelfeld_text(i)[p] = ' ';
        }
        txt_c(i).setText(einzelfeld_text(i));
    }

    const int c = cells::column(j);
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
        const std::string& caption = lbl_c(i).text();
        if (!caption.empty() && static_cast<unsigned char>(caption[0]) < 58) lbl_c(i).setText("");
    }
    const int k = toolkit::toInteger(zug_feld(back));
    const std::string& caption = lbl_c(k).text();
    if (!caption.empty() && static_cast<unsigned char>(caption[0]) > 96) {
        lbl_erkl(1).setText(caption);
        lbl_erkl(2).setText(toolkit::numberText(zug_ziffer(back)));
    }
    lbl_c(k).setText(toolkit::numberText(zug_ziffer(back)));
}

void frm_sudoku_main::anzeige_eing_ziffern() {
    if (Vorgabe != False) {
        lbl_erkl(4).setText(toolkit::numberText(anz_d_ziff));
        const int own = back - anz_d_ziff;
        lbl_erkl(5).setText(own != 0 ? toolkit::numberText(own) : "");
    } else {
        lbl_erkl(4).setText(toolkit::numberText(back));
    }
}
