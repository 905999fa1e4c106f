// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/puzzle_text.h"

namespace solver {

std::array<int, 9> unitCells(UnitKind kind, int number) {
    std::array<int, 9> positions{};
    const int n = number - 1;
    for (int i = 0; i < 9; ++i) {
        switch (kind) {
            case UnitKind::Row:
                positions[i] = n * 9 + i;
                break;
            case UnitKind::Column:
                positions[i] = i * 9 + n;
                break;
            case UnitKind::Square:
                positions[i] = (n / 3 * 3 + i / 3) * 9 + n % 3 * 3 + i % 3;
                break;
        }
    }
    return positions;
}

int candidates(const Cells& cells, int position) {
    int possible = 0x3FE;  // digits 1 to 9
    for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Square}) {
        const int number = kind == UnitKind::Row      ? rowOf(position)
                           : kind == UnitKind::Column ? columnOf(position)
                                                      : squareOf(position);
        for (int p : unitCells(kind, number)) possible &= ~(1 << cells[p]);
    }
    return possible & 0x3FE;
}

PuzzleText readPuzzleText(std::string_view text) {
    PuzzleText puzzle;
    for (char c : text) {
        int digit;
        if (c >= '1' && c <= '9')
            digit = c - '0';
        else if (c == '0' || c == '.')
            digit = 0;
        else
            continue;
        if (puzzle.count < puzzle.cells.size()) puzzle.cells[puzzle.count] = digit;
        ++puzzle.count;
    }
    return puzzle;
}

std::optional<Repeat> firstRepeat(const Cells& cells) {
    for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Square}) {
        for (int number = 1; number <= 9; ++number) {
            int seen = 0;
            for (int p : unitCells(kind, number)) {
                const int digit = cells[p];
                if (digit == 0) continue;
                if (seen & (1 << digit)) return Repeat{digit, kind, number};
                seen |= 1 << digit;
            }
        }
    }
    return std::nullopt;
}

}  // namespace solver
