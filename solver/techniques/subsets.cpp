// SPDX-License-Identifier: GPL-3.0-or-later
// Naked and hidden subsets: n cells of a unit that hold only n digits between
// them, or n digits of a unit that have only n cells left.
#include "solver/techniques.h"
#include "solver/techniques/common.h"

namespace solver::techniques {

namespace {

// n cells of unit u whose candidates are n digits: those digits leave every
// other cell of each unit the n cells share. A subset that also lies in a
// unit searched earlier was found there already.
bool nakedSubset(const CandidateGrid& grid, const StepSink& sink, int n, Technique technique) {
    for (int u = 0; u < 27; ++u) {
        const auto& cells = unitCells(u);
        unsigned eligible = 0;
        for (int i = 0; i < 9; ++i) {
            const int count = grid.candidateCount(cells[i]);
            if (count >= 2 && count <= n) eligible |= 1u << i;
        }
        const bool stopped = forEachSubset(eligible, n, [&](unsigned mask) {
            DigitSet digits = 0;
            for (unsigned m = mask; m != 0; m &= m - 1)
                digits |= grid.candidates(cells[std::countr_zero(m)]);
            if (digitCount(digits) != n) return false;
            const CellSet subset = unitPart(u, mask);
            Step step;
            for (int shared = 0; shared < 27; ++shared) {
                if ((unitSet(shared) & subset) != subset) continue;
                if (shared < u) return false;
                const std::size_t before = step.eliminations.size();
                unitSet(shared).without(subset).forEach([&](int p) {
                    for (int d : digitsOf(grid.candidates(p) & digits))
                        step.eliminations.push_back({p, d});
                });
                if (step.eliminations.size() > before || shared == u)
                    step.units.push_back(unitAt(shared));
            }
            if (step.eliminations.empty()) return false;
            step.technique = technique;
            step.cells = subset.positions();
            step.digits = digitsOf(digits);
            for (int p : step.cells)
                for (int d : digitsOf(grid.candidates(p))) step.pattern.push_back({p, d});
            return sink(std::move(step));
        });
        if (stopped) return true;
    }
    return false;
}

// n digits of unit u, none placed there, whose places are n cells: every
// other digit leaves those cells.
bool hiddenSubset(const CandidateGrid& grid, const StepSink& sink, int n, Technique technique) {
    for (int u = 0; u < 27; ++u) {
        std::array<unsigned, 10> places{};
        unsigned eligible = 0;  // bit d - 1 for digit d
        for (int d = 1; d <= 9; ++d) {
            places[d] = grid.places(u, d);
            const int count = bitCount(places[d]);
            if (count >= 2 && count <= n) eligible |= 1u << (d - 1);
        }
        const bool stopped = forEachSubset(eligible, n, [&](unsigned digitMask) {
            unsigned where = 0;
            const DigitSet digits = static_cast<DigitSet>(digitMask << 1);
            for (int d : digitsOf(digits)) where |= places[d];
            if (bitCount(where) != n) return false;
            const CellSet subset = unitPart(u, where);
            Step step;
            subset.forEach([&](int p) {
                for (int d : digitsOf(grid.candidates(p) & ~digits))
                    step.eliminations.push_back({p, d});
            });
            if (step.eliminations.empty()) return false;
            step.technique = technique;
            step.units = {unitAt(u)};
            step.cells = subset.positions();
            step.digits = digitsOf(digits);
            for (int p : step.cells)
                for (int d : digitsOf(grid.candidates(p) & digits)) step.pattern.push_back({p, d});
            return sink(std::move(step));
        });
        if (stopped) return true;
    }
    return false;
}

}  // namespace

bool nakedPair(const CandidateGrid& grid, const StepSink& sink) {
    return nakedSubset(grid, sink, 2, Technique::NakedPair);
}
bool hiddenPair(const CandidateGrid& grid, const StepSink& sink) {
    return hiddenSubset(grid, sink, 2, Technique::HiddenPair);
}
bool nakedTriple(const CandidateGrid& grid, const StepSink& sink) {
    return nakedSubset(grid, sink, 3, Technique::NakedTriple);
}
bool hiddenTriple(const CandidateGrid& grid, const StepSink& sink) {
    return hiddenSubset(grid, sink, 3, Technique::HiddenTriple);
}
bool nakedQuad(const CandidateGrid& grid, const StepSink& sink) {
    return nakedSubset(grid, sink, 4, Technique::NakedQuad);
}
bool hiddenQuad(const CandidateGrid& grid, const StepSink& sink) {
    return hiddenSubset(grid, sink, 4, Technique::HiddenQuad);
}

}  // namespace solver::techniques
