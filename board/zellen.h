// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/toolkit/numbers.h"

// Cell geometry of the 9 x 9 board. Cells are numbered 1 to 81 row by row.
namespace zellen {

using toolkit::Integer;

// Int(k / 9) for whole numbers: the largest whole number not above k / 9.
constexpr int int_neuntel(int k) {
    return k >= 0 ? k / 9 : -((-k + 8) / 9);
}
// k Mod 9 for the non-negative cell indexes.
constexpr int mod9(int k) {
    return k % 9;
}

// Column 1 to 9 of cell k.
constexpr int spalte(int k) {
    return mod9(k) == 0 ? 9 : mod9(k);
}
// Row 1 to 9 of cell k.
constexpr int reihe(int k) {
    return mod9(k) != 0 ? int_neuntel(k) + 1 : int_neuntel(k);
}
// First cell of the row of cell k; -8 for the spare cell 0.
constexpr int erste_zelle_der_reihe(int k) {
    return mod9(k) != 0 ? int_neuntel(k) * 9 + 1 : (int_neuntel(k) - 1) * 9 + 1;
}

// The square of a cell: its top-left cell (q_s) and its number from 0 (q_n).
struct Quadrat {
    Integer q_s;
    Integer q_n;
};

// Looks cell k up in the fixed square membership table; false when k is no cell.
bool quadrat_von(int k, Quadrat& quadrat);

// Position (from 1) of digit d in the candidate text "1 2 3\r\n4 5 6\r\n7 8 9".
constexpr int kandidaten_position(int d) {
    constexpr int positionen[] = {0, 1, 3, 5, 8, 10, 12, 15, 17, 19};
    return positionen[d];
}

inline constexpr const char* volle_kandidaten = "1 2 3\r\n4 5 6\r\n7 8 9";

}  // namespace zellen
