// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "solver/candidate_grid.h"
#include "solver/step.h"

// The techniques, one finder each (or one finder for a family whose members
// share their search); every finder returns the first step it finds.
namespace solver::techniques {

// A naked single, cells in reading order.
std::optional<Step> nakedSingle(const CandidateGrid& grid);
// A hidden single: rows, then columns, then squares; digits ascending.
std::optional<Step> hiddenSingle(const CandidateGrid& grid);

}  // namespace solver::techniques
