// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "solver/geometry.h"

namespace solver {

// The work the exact solver does at most for one count, in search nodes
// (one propagation each): about 25 to 50 ms on a 2.4 GHz processor, and
// ten times what the hardest of 7.8 million puzzles tried needs (5,168, a
// 17-given puzzle with one given changed; half of them no solution).
inline constexpr std::int64_t default_node_limit = 50'000;

struct SolutionCount {
    // Solutions found, at most the limit asked for.
    int solutions = 0;
    // False when the work bound was hit before the count was settled: then
    // solutions is only a lower bound, and never means "no solution".
    bool settled = true;
    // The first solution found, when there is one.
    Cells solution{};
    // Search nodes visited, for the benchmarks.
    std::int64_t nodes = 0;
};

// Counts the solutions of the givens (digits 1 to 9; anything else is an
// empty cell) up to limit, by constraint propagation (naked and hidden
// singles to a fixpoint) and depth-first search on the cell with the fewest
// candidates. Givens that repeat a digit in a unit have no solution; a full
// board without a repeat is its own solution.
SolutionCount countSolutions(const Cells& givens, int limit = 2,
                             std::int64_t nodeLimit = default_node_limit);

}  // namespace solver
