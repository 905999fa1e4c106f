// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "screens/toolkit/bounded_array.h"
#include "screens/toolkit/numbers.h"

// The whole state of a game, held by the main screen: counters, flags, the
// record of accepted moves, the candidate texts and the letter marks.
struct BoardState {
    using Integer = toolkit::Integer;
    template <class T>
    using Array = toolkit::BoundedArray<T, 1, 81>;
    template <class T>
    using Array2 = toolkit::BoundedArray2<T, 1, 81>;

    std::string zl;          // text of the cell whose change is being handled
    Integer z = 0;           // its numeric value as an Integer
    Integer wo_w = 0;        // the last check found the digit in the row
    Integer wo_s = 0;        // ... in the column
    Integer wo_q = 0;        // ... in the square
    Integer alt_z = 0;       // the refused digit, kept for the message
    Integer back = 0;        // number of the last move, 0 = none
    Integer mark = 0;        // number of letter marks as last counted
    Integer q_s = 0;         // top-left cell of the square last checked
    Integer q_n = 0;         // number from 0 of that square
    Integer anz_d_ziff = 0;  // number of givens
    Integer beenden = 0;     // a damaged puzzle file was found
    Integer Vorgabe = 0;     // the givens are fixed
    Integer nicht_neu = 0;   // the view is being changed through the start screen
    Integer Einlesen = 0;    // a puzzle file has been opened for reading

    // Cell of move m; a number as read when the puzzle reader wrote it.
    Array<double> zug_feld;
    Array<Integer> zug_ziffer;           // digit of move m
    Array<std::string> einzelfeld_text;  // candidate text of cell k
    Array<std::string> markierung;       // letter mark of cell k
    Array2<std::string> einzelfeld_alt;  // (m, k): candidate text of k before move m
    Array2<Integer> zug_reihe;           // (m, i): digit move m removed from lbl_w(i)
    Array2<Integer> zug_spalte;          // (m, i): ... from lbl_s(i)
    Array2<Integer> zug_quadrat;         // (m, i): ... from lbl_q(i)
};
