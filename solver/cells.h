// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace solver {

// A board as the solver sees it: 81 digits in reading order (cell k of the
// board at position k - 1), 0 for an empty cell.
using Cells = std::array<int, 81>;

// Rows, columns and squares are numbered 1 to 9 (squares row by row); the
// cells of unit u in index order.
enum class UnitKind { Row, Column, Square };
std::array<int, 9> unitCells(UnitKind kind, int number);

inline int rowOf(int position) {
    return position / 9 + 1;
}
inline int columnOf(int position) {
    return position % 9 + 1;
}
inline int squareOf(int position) {
    return (position / 27) * 3 + (position % 9) / 3 + 1;
}

// Candidates of an empty cell from the filled cells of its row, column and
// square: bit d set when digit d is still possible.
int candidates(const Cells& cells, int position);

}  // namespace solver
