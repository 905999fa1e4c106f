// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/geometry.h"

namespace solver {

// What the solver says about a puzzle's givens: how many solutions they
// have.
struct Analysis {
    int solutions = 0;  // 0, 1, or 2 for two or more
    // False when the count hit the exact solver's work bound (never seen on
    // any puzzle known): solutions is then only a lower bound.
    bool settled = true;
    Cells solution{};  // with exactly one solution
};
// Counts the solutions with the exact solver. A full board without a
// repeat is its own solution.
Analysis analyse(const Cells& givens);

}  // namespace solver
