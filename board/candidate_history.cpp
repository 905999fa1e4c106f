// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate history view: lists the saved candidate texts of the first
// five moves in the enlarged txt_test box.

#include <string>

#include "screens/frm_sudoku_main.h"
#include "solver/geometry.h"

namespace {

const char* const zero_block = "0 0 0 \r\n0 0 0 \r\n0 0 0";

}  // namespace

void frm_sudoku_main::txt_Titel_Click(Integer Index) {
    if (Index == 0) {
        txt_test.setVisible(false);
        return;
    }
    if (Index != 1) return;

    txt_test.setVisible(true);
    txt_test.move(10, 1000, 6000, 8000);
    std::string text;
    for (int m = 1; m <= 5; ++m) {
        for (int k = 1; k <= 81; ++k) {
            const std::string& block = einzelfeld_alt(m, k);
            const int position = solver::positionOfCell(k);
            text += std::to_string(solver::columnOf(position)) + " ) .....\r\n";
            text += block.empty() ? zero_block : block;
            text += "\r\n";
            // After each row, the number of the row that follows.
            if (solver::columnOf(position) == 9)
                text += "{" + std::to_string(solver::rowOf(position) + 1) +
                        "} -----------------------------------\r\n";
        }
        text += "\r\n" + std::to_string(m + 1) + "   " + std::string(37, 'x') + "   " +
                std::to_string(m + 1) + "\r\n";
    }
    txt_test.setText(text);
}
