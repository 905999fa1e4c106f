// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "solver/step.h"

// Steps as one line of plain text for tools and logs: a removed candidate is
// "r3c7-5" (digit 5 leaves row 3, column 7), a placed digit "r6c4=1".
namespace solver {

std::string eliminationText(Candidate candidate);
std::string placementText(Candidate candidate);
// The candidates apart by spaces; empty for none.
std::string eliminationsText(const std::vector<Candidate>& eliminations);
std::string placementsText(const std::vector<Candidate>& placements);

}  // namespace solver
