// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/geometry.h"
#include "solver/step.h"

namespace solver {

// A new puzzle of a level of the ladder: one solution, no given that could
// go without a second one, and the ladder solves it to the end with the
// hardest technique it needs of that level (so that the hint can take a
// user to the end). Reproducible: the same seed gives the same puzzle on
// every machine.
Cells generate(Level level, unsigned seed);

}  // namespace solver
