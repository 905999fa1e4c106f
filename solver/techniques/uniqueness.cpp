// SPDX-License-Identifier: GPL-3.0-or-later
// Techniques that rely on the puzzle having exactly one solution: four cells
// in two rows, two columns and two squares that could swap two digits a and
// b would give a second solution (a deadly pattern), so some candidate must
// break it; and the bivalue grave plus one.
#include <algorithm>

#include "solver/techniques.h"
#include "solver/techniques/common.h"

namespace solver::techniques {

namespace {

// The four corners of a rectangle with the digits a and b in each.
struct Rectangle {
    std::array<int, 4> cells;  // top left, top right, bottom left, bottom right
    int a, b;
    DigitSet pair() const { return static_cast<DigitSet>(digitBit(a) | digitBit(b)); }
};

bool byPosition(const Candidate& l, const Candidate& r) {
    return l.position != r.position ? l.position < r.position : l.digit < r.digit;
}

// The rectangle's cells (ascending), digits, candidates and lines.
Step rectangleStep(Technique technique, const Rectangle& r) {
    Step step;
    step.technique = technique;
    std::array<int, 4> sorted = r.cells;
    std::sort(sorted.begin(), sorted.end());
    step.cells.assign(sorted.begin(), sorted.end());
    step.digits = {r.a, r.b};
    for (int p : step.cells)
        for (int d : {r.a, r.b}) step.pattern.push_back({p, d});
    step.units = {unitAt(rowUnit(r.cells[0])), unitAt(rowUnit(r.cells[3])),
                  unitAt(columnUnit(r.cells[0])), unitAt(columnUnit(r.cells[3]))};
    return step;
}

// Calls f(rectangle) for every rectangle in two squares whose four empty
// cells all hold both a and b; rows, then columns, then digits ascending.
template <typename F>
bool forEachRectangle(const CandidateGrid& grid, F f) {
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;  // one or four squares
                    const std::array<int, 4> cells = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1,
                                                      r2 * 9 + c2};
                    DigitSet common = all_digits;
                    for (int p : cells) common &= grid.candidates(p);
                    if (digitCount(common) < 2) continue;
                    const std::vector<int> digits = digitsOf(common);
                    for (std::size_t i = 0; i < digits.size(); ++i)
                        for (std::size_t j = i + 1; j < digits.size(); ++j)
                            if (f(Rectangle{cells, digits[i], digits[j]})) return true;
                }
    return false;
}

// The corners with nothing but a and b (the floor) and the others (the roof),
// as indices 0 to 3 into the rectangle's cells.
struct Split {
    std::vector<int> floor, roof;
};
Split split(const CandidateGrid& grid, const Rectangle& r) {
    Split s;
    for (int i = 0; i < 4; ++i)
        (grid.candidates(r.cells[i]) == r.pair() ? s.floor : s.roof).push_back(i);
    return s;
}

// The units both roof cells lie in.
std::vector<int> sharedUnits(int p, int q) {
    std::vector<int> units;
    if (rowOf(p) == rowOf(q)) units.push_back(rowUnit(p));
    if (columnOf(p) == columnOf(q)) units.push_back(columnUnit(p));
    if (squareOf(p) == squareOf(q)) units.push_back(squareUnit(p));
    return units;
}

}  // namespace

bool uniqueRectangle1(const CandidateGrid& grid, const StepSink& sink) {
    return forEachRectangle(grid, [&](const Rectangle& r) {
        const Split s = split(grid, r);
        if (s.floor.size() != 3) return false;
        Step step = rectangleStep(Technique::UniqueRectangle1, r);
        const int roof = r.cells[s.roof.front()];
        step.eliminations = {{roof, r.a}, {roof, r.b}};
        return sink(std::move(step));
    });
}

bool uniqueRectangle2(const CandidateGrid& grid, const StepSink& sink) {
    const DigitCells where(grid);
    return forEachRectangle(grid, [&](const Rectangle& r) {
        const Split s = split(grid, r);
        if (s.floor.size() != 2) return false;
        const int p = r.cells[s.roof[0]], q = r.cells[s.roof[1]];
        // Both roof cells have the same one extra digit: one of them holds it.
        const DigitSet extra = static_cast<DigitSet>(grid.candidates(p) & ~r.pair());
        if (digitCount(extra) != 1 || grid.candidates(q) != grid.candidates(p)) return false;
        const int digit = lowestDigit(extra);
        const CellSet targets = (peerSet(p) & peerSet(q) & where[digit]);
        if (targets.none()) return false;
        Step step = rectangleStep(Technique::UniqueRectangle2, r);
        step.digits.push_back(digit);
        step.pattern.push_back({p, digit});
        step.pattern.push_back({q, digit});
        std::sort(step.pattern.begin(), step.pattern.end(), byPosition);
        addCandidates(step.eliminations, targets, digit);
        return sink(std::move(step));
    });
}

bool uniqueRectangle3(const CandidateGrid& grid, const StepSink& sink) {
    return forEachRectangle(grid, [&](const Rectangle& r) {
        const Split s = split(grid, r);
        if (s.floor.size() != 2) return false;
        const int p = r.cells[s.roof[0]], q = r.cells[s.roof[1]];
        // One roof cell holds one of the extra digits: together the roof acts
        // as one cell with the extras, which with k more cells of a shared
        // unit can make a naked subset of k + 1 digits.
        const DigitSet extras =
            static_cast<DigitSet>((grid.candidates(p) | grid.candidates(q)) & ~r.pair());
        for (int u : sharedUnits(p, q)) {
            const auto& cells = unitCells(u);
            unsigned eligible = 0;
            for (int i = 0; i < 9; ++i)
                if (cells[i] != p && cells[i] != q && grid.candidateCount(cells[i]) >= 2)
                    eligible |= 1u << i;
            for (int k = 1; k <= 3; ++k) {
                const bool stopped = forEachSubset(eligible, k, [&](unsigned mask) {
                    DigitSet digits = extras;
                    for (unsigned m = mask; m != 0; m &= m - 1)
                        digits |= grid.candidates(cells[std::countr_zero(m)]);
                    if (digitCount(digits) != k + 1) return false;
                    const CellSet subset = unitPart(u, mask);
                    Step step = rectangleStep(Technique::UniqueRectangle3, r);
                    for (int i = 0; i < 9; ++i) {
                        const int c = cells[i];
                        if (c == p || c == q || subset.has(c)) continue;
                        for (int d : digitsOf(grid.candidates(c) & digits))
                            step.eliminations.push_back({c, d});
                    }
                    if (step.eliminations.empty()) return false;
                    step.units.push_back(unitAt(u));
                    for (int c : subset.positions()) {
                        step.cells.push_back(c);
                        for (int d : digitsOf(grid.candidates(c))) step.pattern.push_back({c, d});
                    }
                    for (int c : {p, q})
                        for (int d : digitsOf(grid.candidates(c) & extras))
                            step.pattern.push_back({c, d});
                    std::sort(step.pattern.begin(), step.pattern.end(), byPosition);
                    for (int d : digitsOf(digits)) step.digits.push_back(d);
                    return sink(std::move(step));
                });
                if (stopped) return true;
            }
        }
        return false;
    });
}

bool uniqueRectangle4(const CandidateGrid& grid, const StepSink& sink) {
    return forEachRectangle(grid, [&](const Rectangle& r) {
        const Split s = split(grid, r);
        if (s.floor.size() != 2) return false;
        const int p = r.cells[s.roof[0]], q = r.cells[s.roof[1]];
        // In a unit of both roof cells one of the digits, say a, has no other
        // place: one roof cell holds a, so neither may hold b.
        for (int u : sharedUnits(p, q)) {
            for (auto [held, removed] : {std::pair{r.a, r.b}, std::pair{r.b, r.a}}) {
                if (unitPart(u, grid.places(u, held)) != (CellSet::of(p) | CellSet::of(q)))
                    continue;
                Step step = rectangleStep(Technique::UniqueRectangle4, r);
                step.units.push_back(unitAt(u));
                step.digits = {held, removed};
                step.eliminations = {{std::min(p, q), removed}, {std::max(p, q), removed}};
                if (sink(std::move(step))) return true;
            }
        }
        return false;
    });
}

bool hiddenRectangle(const CandidateGrid& grid, const StepSink& sink) {
    return forEachRectangle(grid, [&](const Rectangle& r) {
        // A corner with only a and b; in the opposite corner's row and column
        // one digit has no place outside the rectangle. Were the opposite
        // corner the other digit, the rectangle would be deadly.
        for (int corner = 0; corner < 4; ++corner) {
            if (grid.candidates(r.cells[corner]) != r.pair()) continue;
            const int opposite = r.cells[3 - corner];
            const CellSet rectangle = CellSet::of(r.cells[0]) | CellSet::of(r.cells[1]) |
                                      CellSet::of(r.cells[2]) | CellSet::of(r.cells[3]);
            for (auto [held, removed] : {std::pair{r.a, r.b}, std::pair{r.b, r.a}}) {
                const CellSet inRow =
                    unitPart(rowUnit(opposite), grid.places(rowUnit(opposite), held));
                const CellSet inColumn =
                    unitPart(columnUnit(opposite), grid.places(columnUnit(opposite), held));
                if (inRow.without(rectangle) != CellSet() ||
                    inColumn.without(rectangle) != CellSet())
                    continue;
                Step step = rectangleStep(Technique::HiddenRectangle, r);
                step.digits = {held, removed};
                step.eliminations = {{opposite, removed}};
                if (sink(std::move(step))) return true;
            }
        }
        return false;
    });
}

bool bug1(const CandidateGrid& grid, const StepSink& sink) {
    // Every open cell but one has two candidates, that one three.
    int extra = -1;
    for (int p = 0; p < 81; ++p) {
        const int count = grid.candidateCount(p);
        if (!grid.empty(p) || count == 2) continue;
        if (count != 3 || extra >= 0) return false;
        extra = p;
    }
    if (extra < 0) return false;
    // The digit that has three places in the cell's units; without it there,
    // every digit would have two places in every unit, and the grid two
    // solutions.
    const auto units = unitsOf(extra);
    for (int digit : digitsOf(grid.candidates(extra))) {
        CandidateGrid without = grid;
        without.eliminate(extra, digit);
        bool grave = true;
        for (int u = 0; u < 27 && grave; ++u)
            for (int d = 1; d <= 9 && grave; ++d) {
                const int count = bitCount(without.places(u, d));
                grave = count == 0 || count == 2;
            }
        if (!grave) continue;
        Step step;
        step.technique = Technique::Bug1;
        step.units.assign(units.begin(), units.end());
        step.cells = {extra};
        step.digits = digitsOf(grid.candidates(extra));
        for (int d : step.digits) step.pattern.push_back({extra, d});
        step.placements = {{extra, digit}};
        return sink(std::move(step));
    }
    return false;
}

}  // namespace solver::techniques
