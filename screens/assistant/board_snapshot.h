// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "solver/geometry.h"

class frm_sudoku_main;
namespace toolkit {
class Element;
}

// The main screen's board as the solver sees it, taken at one moment: the
// one place where the additions read the board cells and the move record.
struct BoardSnapshot {
    // The digit of each position, 0 for an empty cell (or one that holds
    // anything but a digit).
    solver::Cells digits{};
    // The givens: the italic cells, or every filled cell while none is
    // italic (before the givens are fixed).
    solver::Cells givens{};
    // The position of each recorded move, move m at index m - 1; none where
    // the record names no cell (a file whose record was changed).
    std::vector<std::optional<int>> moves;

    // Whether no cell holds a digit.
    bool empty() const;
    // Whether the position holds a digit of the user's own, not a given.
    bool ownEntry(int position) const { return digits[position] != 0 && givens[position] == 0; }
};

BoardSnapshot snapshotOf(const frm_sudoku_main& main);

// The position of the board cell an element is; none for every other element.
std::optional<int> boardPosition(const frm_sudoku_main& main, const toolkit::Element* element);
// Gives the board cell at the position the focus.
void focusBoardCell(frm_sudoku_main& main, int position);
