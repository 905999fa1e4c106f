// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/hint.h"

#include <bit>

namespace solver {

Hint findHint(const Cells& cells) {
    std::array<int, 81> possible{};
    bool full = true;
    for (int p = 0; p < 81; ++p) {
        if (cells[p] != 0) continue;
        full = false;
        possible[p] = candidates(cells, p);
        if (possible[p] == 0) return {Hint::DeadCell, p};
    }
    if (full) return {Hint::Complete};
    for (int p = 0; p < 81; ++p)
        if (cells[p] == 0 && std::popcount(static_cast<unsigned>(possible[p])) == 1)
            return {Hint::NakedSingle, p, std::countr_zero(static_cast<unsigned>(possible[p]))};
    for (UnitKind kind : {UnitKind::Row, UnitKind::Column, UnitKind::Square}) {
        for (int number = 1; number <= 9; ++number) {
            const auto unit = unitCells(kind, number);
            for (int digit = 1; digit <= 9; ++digit) {
                int places = 0, place = -1;
                bool held = false;
                for (int p : unit) {
                    if (cells[p] == digit) held = true;
                    if (cells[p] == 0 && (possible[p] & (1 << digit))) {
                        ++places;
                        place = p;
                    }
                }
                if (!held && places == 1) return {Hint::HiddenSingle, place, digit, kind, number};
            }
        }
    }
    return {Hint::None};
}

}  // namespace solver
