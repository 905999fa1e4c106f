// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "solver/geometry.h"

namespace solver {

// A puzzle read from free text: only "1" to "9", "0" and "." count, each as
// one cell in reading order ("0" and "." empty); everything else is skipped.
struct PuzzleText {
    std::size_t count = 0;  // cells found, also beyond 81
    Cells cells{};          // the first 81 of them
};
PuzzleText readPuzzleText(std::string_view text);

// The first digit that stands twice in a unit: rows 1 to 9, then columns,
// then squares; within a unit the first cell whose digit stood in an earlier
// cell of the unit.
struct Repeat {
    int digit;
    UnitKind unit;
    int number;
};
std::optional<Repeat> firstRepeat(const Cells& cells);

}  // namespace solver
