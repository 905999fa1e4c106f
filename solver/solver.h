// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/geometry.h"

namespace solver {

// QQwing's ratings; a full board (QQwing: unknown) counts as simple.
enum class Difficulty { Simple, Easy, Intermediate, Expert };

// What the solver says about a puzzle's givens.
struct Analysis {
    int solutions = 0;  // 0, 1, or 2 for two or more
    // False when the count hit the exact solver's work bound (never seen on
    // any puzzle known): solutions is then only a lower bound.
    bool settled = true;
    Cells solution{};  // with exactly one solution
    Difficulty difficulty = Difficulty::Simple;
};
// Counts the solutions with the exact solver and rates a puzzle with one
// solution with QQwing. A full board without a repeat is its own solution.
Analysis analyse(const Cells& givens);

// Generates puzzles until one has the difficulty asked for. Reproducible:
// the same seed gives the same puzzle. Seeds the C library's rand(), which
// QQwing draws from: run one generation at a time.
Cells generate(Difficulty difficulty, unsigned seed);

}  // namespace solver
