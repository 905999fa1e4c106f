// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/toolkit/numbers.h"

// The cell walks of the board's procedures, spelt out as the procedures
// compute them: the program's own whole-number arithmetic on the cell
// numbers 1 to 81, with its odd results for the spare cell 0 (whose row walk
// starts at the invalid index -8), and the fixed square table. Everything
// else about rows, columns and squares is the program's one geometry,
// solver/geometry.h.
namespace cells {

using toolkit::Integer;

// Int(k / 9) for whole numbers: the largest whole number not above k / 9.
constexpr int intNinth(int k) {
    return k >= 0 ? k / 9 : -((-k + 8) / 9);
}
// k Mod 9 for the non-negative cell indexes.
constexpr int mod9(int k) {
    return k % 9;
}

// Column 1 to 9 of cell k.
constexpr int column(int k) {
    return mod9(k) == 0 ? 9 : mod9(k);
}
// Row 1 to 9 of cell k.
constexpr int row(int k) {
    return mod9(k) != 0 ? intNinth(k) + 1 : intNinth(k);
}
// First cell of the row of cell k; -8 for the spare cell 0.
constexpr int firstCellOfRow(int k) {
    return mod9(k) != 0 ? intNinth(k) * 9 + 1 : (intNinth(k) - 1) * 9 + 1;
}

// The square of a cell: its top-left cell (q_s) and its number from 0 (q_n).
struct Square {
    Integer q_s;
    Integer q_n;
};

// Looks cell k up in the fixed square membership table; false when k is no cell.
bool squareOf(int k, Square& square);

// Position (from 1) of digit d in the candidate text "1 2 3\r\n4 5 6\r\n7 8 9".
constexpr int candidatePosition(int d) {
    constexpr int positions[] = {0, 1, 3, 5, 8, 10, 12, 15, 17, 19};
    return positions[d];
}

inline constexpr const char* full_candidates = "1 2 3\r\n4 5 6\r\n7 8 9";

}  // namespace cells
