// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "solver/candidate_grid.h"
#include "solver/step.h"

namespace solver {

// Receives each step a finder finds, in the finder's order; returns true to
// stop the search.
using StepSink = std::function<bool(Step&&)>;
// A technique's search: hands every step it finds to the sink until the sink
// stops it; returns whether the sink stopped it. A step rests only on the
// candidates of its cells, its units, its chains' cells and the units that
// join neighbouring chain nodes (the hint reuses a step while those stay as
// they were); a technique that rests on more of the grid is named in
// holdsAsBefore (hint_plan.cpp).
using Finder = bool (*)(const CandidateGrid& grid, const StepSink& sink);
// The first step a finder finds, if any.
std::optional<Step> firstStep(Finder find, const CandidateGrid& grid);

// One rung of the ladder: a finder, its level, and whether it relies on the
// puzzle having exactly one solution (unique rectangles, BUG+1).
struct Rung {
    Level level;
    Finder find;
    bool needsUniqueness = false;
};

// The rungs in the order they are tried, lowest level first.
std::span<const Rung> ladder();

// The level of a technique.
Level levelOf(Technique technique);

struct LadderOptions {
    // The givens have exactly one solution: the uniqueness techniques may run.
    bool uniqueSolution = false;
    // No rung above this level is tried.
    Level highest = Level::Extrem;
};

// Whether a rung may run under the options.
bool allowed(const Rung& rung, const LadderOptions& options);

// The first step of the lowest rung that finds one; none on a complete grid
// or when no rung finds anything. `rung` receives the index of the rung
// that found it.
std::optional<Step> nextStep(const CandidateGrid& grid, const LadderOptions& options = {},
                             std::size_t* rung = nullptr);

// The ladder run from the placed digits to the end: after every step it
// starts again from the bottom.
struct Solution {
    std::vector<Step> steps;
    std::vector<std::size_t> rungs;  // the rung that found each step
    CandidateGrid grid;              // as the last step left it
    bool solved = false;
    Level level = Level::Leicht;  // of the hardest step taken
};
Solution solveWithLadder(const Cells& digits, const LadderOptions& options = {});

}  // namespace solver
