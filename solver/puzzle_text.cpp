// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/puzzle_text.h"

namespace solver {

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
