// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/geometry.h"

namespace solver {

// The next simple step on a board, from its filled cells alone.
struct Hint {
    enum Kind {
        DeadCell,      // an empty cell without any candidate
        NakedSingle,   // an empty cell with one candidate
        HiddenSingle,  // a digit with one place left in a unit
        Complete,      // every cell is filled
        None,          // no simple step
    };
    Kind kind = None;
    int position = -1;  // the cell named, 0 to 80
    int digit = 0;
    UnitKind unit = UnitKind::Row;  // of a hidden single
    int unitNumber = 0;
};

// The first of: a dead cell, a naked single (cells in index order), a hidden
// single (rows, then columns, then squares; digits ascending), a full board.
Hint findHint(const Cells& cells);

}  // namespace solver
