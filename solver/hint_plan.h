// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "solver/ladder.h"

// The hint: from the placed digits alone (the candidates as the single-cell
// display computes them), the steps that lead to one digit the user can
// place, each needed; and the rating of a puzzle by the ladder.
namespace solver {

struct HintPlan {
    std::vector<Step> steps;      // in order; the last one places the target
    Candidate target;             // the digit the hint leads to, and its cell
    Level level = Level::Leicht;  // of the hardest step
};

// Of the placements the ladder reaches, one with the fewest steps at the
// lowest level: a single; else, level by level from the second up, a step
// of that level after which a single exists; else the ladder's own way
// through that level up to its first placement, with every step left out
// that the placement does not need. None on a complete board or when the
// ladder finds no placement.
std::optional<HintPlan> planHint(const Cells& digits, const LadderOptions& options = {});

// What a hint marks: the cells of the patterns, the cells that lose
// candidates and the target cell (each cell in one group only, the target
// first, then the losing cells); in the candidate pads the removed digits
// and the pattern digits.
struct HintMarking {
    int target = -1;
    std::vector<int> eliminationCells;
    std::vector<int> patternCells;
    std::vector<Candidate> eliminated;
    std::vector<Candidate> pattern;
};
HintMarking markingOf(const HintPlan& plan);

// The ladder's verdict on a puzzle: the level of the hardest technique it
// needs to solve the givens to the end (extrem when it cannot), the
// techniques beyond singles it needs in ladder order, and whether it got
// to the end.
struct Rating {
    Level level = Level::Leicht;
    std::vector<Technique> techniques;
    bool solved = false;
    Solution solution;  // the ladder's steps
};
Rating rate(const Cells& givens, const LadderOptions& options = {});

}  // namespace solver
