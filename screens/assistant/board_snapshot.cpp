// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/board_snapshot.h"

#include <algorithm>

#include "screens/frm_sudoku_main.h"

using solver::cellNumber;

bool BoardSnapshot::empty() const {
    return std::all_of(digits.begin(), digits.end(), [](int d) { return d == 0; });
}

BoardSnapshot snapshotOf(const frm_sudoku_main& main) {
    BoardSnapshot board;
    bool anyItalic = false;
    for (int p = 0; p < 81; ++p) {
        const toolkit::Element& cell = main.txt_m(cellNumber(p));
        const std::string& text = cell.text();
        if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') board.digits[p] = text[0] - '0';
        if (board.digits[p] != 0 && cell.italic()) anyItalic = true;
    }
    for (int p = 0; p < 81; ++p)
        if (!anyItalic || main.txt_m(cellNumber(p)).italic()) board.givens[p] = board.digits[p];
    for (int m = 1; m <= main.back; ++m) {
        // A move's cell is a number as the puzzle reader read it.
        const double cell = main.zug_feld(m);
        const bool isCell = cell >= 1 && cell <= 81 && cell == static_cast<int>(cell);
        board.moves.push_back(isCell ? std::optional(solver::positionOfCell(static_cast<int>(cell)))
                                     : std::nullopt);
    }
    return board;
}

std::optional<int> boardPosition(const frm_sudoku_main& main, const toolkit::Element* element) {
    for (int p = 0; p < 81; ++p)
        if (element == &main.txt_m(cellNumber(p))) return p;
    return std::nullopt;
}

void focusBoardCell(frm_sudoku_main& main, int position) {
    main.setFocus(main.txt_m(cellNumber(position)));
}
