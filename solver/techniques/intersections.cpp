// SPDX-License-Identifier: GPL-3.0-or-later
// Locked candidates: where a digit's places in one unit all lie in a second
// unit, the digit leaves the rest of that second unit.
#include "solver/techniques.h"
#include "solver/techniques/common.h"

namespace solver::techniques {

namespace {

// Digit d's places in unit `inside` all lie in unit `along`: d leaves the
// other cells of `along`. Hands the step to the sink when it removes anything.
bool lockedStep(const CandidateGrid& grid, const StepSink& sink, Technique technique, int inside,
                int along, int digit, unsigned places) {
    const CellSet pattern = unitPart(inside, places);
    Step step;
    for (int p : unitCells(along))
        if (!pattern.has(p) && grid.has(p, digit)) step.eliminations.push_back({p, digit});
    if (step.eliminations.empty()) return false;
    step.technique = technique;
    step.units = {unitAt(inside), unitAt(along)};
    step.cells = pattern.positions();
    step.digits = {digit};
    addCandidates(step.pattern, pattern, digit);
    return sink(std::move(step));
}

// Which thirds of a unit (cells 0-2, 3-5, 6-8) a mask touches, as bits 0 to
// 2: a square's rows, or the squares a row or column crosses.
unsigned thirds(unsigned places) {
    return (places & 0x007 ? 1u : 0u) | (places & 0x038 ? 2u : 0u) | (places & 0x1C0 ? 4u : 0u);
}
// A square's columns (offsets 0 to 2) a mask touches.
unsigned squareColumns(unsigned places) {
    return (places & 0x049 ? 1u : 0u) | (places & 0x092 ? 2u : 0u) | (places & 0x124 ? 4u : 0u);
}

}  // namespace

bool lockedCandidatesPointing(const CandidateGrid& grid, const StepSink& sink) {
    for (int square = 18; square < 27; ++square) {
        const int first = unitCells(square)[0];
        for (int digit = 1; digit <= 9; ++digit) {
            const unsigned places = grid.places(square, digit);
            if (bitCount(places) < 2) continue;
            if (const unsigned rows = thirds(places);
                bitCount(rows) == 1 &&
                lockedStep(grid, sink, Technique::LockedCandidatesPointing, square,
                           rowUnit(first) + std::countr_zero(rows), digit, places))
                return true;
            if (const unsigned columns = squareColumns(places);
                bitCount(columns) == 1 &&
                lockedStep(grid, sink, Technique::LockedCandidatesPointing, square,
                           columnUnit(first) + std::countr_zero(columns), digit, places))
                return true;
        }
    }
    return false;
}

bool lockedCandidatesClaiming(const CandidateGrid& grid, const StepSink& sink) {
    for (int line = 0; line < 18; ++line) {
        for (int digit = 1; digit <= 9; ++digit) {
            const unsigned places = grid.places(line, digit);
            if (bitCount(places) < 2) continue;
            const unsigned squares = thirds(places);
            if (bitCount(squares) != 1) continue;
            const int cell = unitCells(line)[3 * std::countr_zero(squares)];
            if (lockedStep(grid, sink, Technique::LockedCandidatesClaiming, line, squareUnit(cell),
                           digit, places))
                return true;
        }
    }
    return false;
}

}  // namespace solver::techniques
