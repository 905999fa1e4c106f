// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The one cell geometry of the program. A position is 0 to 80 in reading
// order; the screens number the same cells 1 to 81 (txt_m(k) is position
// k - 1). Rows, columns and squares are numbered 1 to 9, squares row by row.
namespace solver {

// A board as the solver sees it: the digit of each position, 0 for empty.
using Cells = std::array<int, 81>;

enum class UnitKind { Row, Column, Square };

// One of the 27 units.
struct Unit {
    UnitKind kind = UnitKind::Row;
    int number = 1;
    bool operator==(const Unit&) const = default;
};

constexpr int rowOf(int position) {
    return position / 9 + 1;
}
constexpr int columnOf(int position) {
    return position % 9 + 1;
}
constexpr int squareOf(int position) {
    return (position / 27) * 3 + (position % 9) / 3 + 1;
}
// The position of row r, column c (both 1 to 9).
constexpr int positionAt(int row, int column) {
    return (row - 1) * 9 + column - 1;
}

// The screens' cell number 1 to 81 of a position, and back.
constexpr int cellNumber(int position) {
    return position + 1;
}
constexpr int positionOfCell(int cell) {
    return cell - 1;
}

// Units by index 0 to 26: rows 1 to 9, then columns, then squares.
constexpr int unitIndex(Unit unit) {
    return static_cast<int>(unit.kind) * 9 + unit.number - 1;
}
constexpr Unit unitAt(int index) {
    return {static_cast<UnitKind>(index / 9), index % 9 + 1};
}
// The row, column and square of a position.
constexpr std::array<Unit, 3> unitsOf(int position) {
    return {Unit{UnitKind::Row, rowOf(position)}, Unit{UnitKind::Column, columnOf(position)},
            Unit{UnitKind::Square, squareOf(position)}};
}

namespace detail {

constexpr std::array<std::array<int, 9>, 27> makeUnitTable() {
    std::array<std::array<int, 9>, 27> table{};
    for (int n = 0; n < 9; ++n) {
        for (int i = 0; i < 9; ++i) {
            table[n][i] = n * 9 + i;
            table[9 + n][i] = i * 9 + n;
            table[18 + n][i] = (n / 3 * 3 + i / 3) * 9 + n % 3 * 3 + i % 3;
        }
    }
    return table;
}

constexpr std::array<std::array<int, 20>, 81> makePeerTable() {
    std::array<std::array<int, 20>, 81> table{};
    for (int p = 0; p < 81; ++p) {
        int count = 0;
        for (int q = 0; q < 81; ++q)
            if (q != p &&
                (rowOf(q) == rowOf(p) || columnOf(q) == columnOf(p) || squareOf(q) == squareOf(p)))
                table[p][count++] = q;
    }
    return table;
}

inline constexpr auto unit_table = makeUnitTable();
inline constexpr auto peer_table = makePeerTable();

}  // namespace detail

// The nine positions of a unit in index order (left to right, top to bottom).
constexpr const std::array<int, 9>& unitCells(int index) {
    return detail::unit_table[index];
}
constexpr const std::array<int, 9>& unitCells(Unit unit) {
    return unitCells(unitIndex(unit));
}
constexpr const std::array<int, 9>& unitCells(UnitKind kind, int number) {
    return unitCells(Unit{kind, number});
}

// The 20 other positions of a position's row, column and square, ascending.
constexpr const std::array<int, 20>& peers(int position) {
    return detail::peer_table[position];
}
// Whether two different positions share a unit.
constexpr bool sees(int a, int b) {
    return a != b &&
           (rowOf(a) == rowOf(b) || columnOf(a) == columnOf(b) || squareOf(a) == squareOf(b));
}

// Candidates of an empty position from the filled positions of its row,
// column and square: bit d set when digit d is still possible.
int candidates(const Cells& cells, int position);

}  // namespace solver
