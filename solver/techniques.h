// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/ladder.h"

// The techniques, one finder each (or one finder for a family whose members
// share their search). Every finder hands its steps to the sink in a fixed
// order and stops when the sink says so (see Finder in ladder.h).
namespace solver::techniques {

// A naked single, cells in reading order.
bool nakedSingle(const CandidateGrid& grid, const StepSink& sink);
// A hidden single: rows, then columns, then squares; digits ascending.
bool hiddenSingle(const CandidateGrid& grid, const StepSink& sink);

}  // namespace solver::techniques
