// SPDX-License-Identifier: GPL-3.0-or-later
// Patterns of cells with two (or three) candidates: XY-Wing, XYZ-Wing,
// W-Wing and remote pairs.
#include <algorithm>

#include "solver/techniques.h"
#include "solver/techniques/common.h"

namespace solver::techniques {

namespace {

// The cells with exactly two candidates.
CellSet bivalueCells(const CandidateGrid& grid) {
    CellSet cells;
    for (int p = 0; p < 81; ++p)
        if (grid.candidateCount(p) == 2) cells.add(p);
    return cells;
}

// A step whose pattern is every candidate of its cells and which removes
// one digit from the target cells.
Step cellPatternStep(const CandidateGrid& grid, Technique technique, std::vector<int> cells,
                     int digit, CellSet targets) {
    Step step;
    step.technique = technique;
    step.cells = std::move(cells);
    DigitSet digits = 0;
    for (int p : step.cells) {
        digits |= grid.candidates(p);
        for (int d : digitsOf(grid.candidates(p))) step.pattern.push_back({p, d});
    }
    step.digits = digitsOf(digits);
    addCandidates(step.eliminations, targets, digit);
    return step;
}

// A pivot and two wings that each see it: whatever the pivot holds, one
// wing holds z, so the cells that see the wings (and the pivot, if it has z
// too) lose z. Bivalue wings; the XY-Wing's pivot has two candidates, none
// of them z, the XYZ-Wing's pivot three, z among them.
bool wing(const CandidateGrid& grid, const StepSink& sink, Technique technique) {
    const bool xyz = technique == Technique::XYZWing;
    const DigitCells where(grid);
    const CellSet bivalue = bivalueCells(grid);
    for (int pivot = 0; pivot < 81; ++pivot) {
        if (grid.candidateCount(pivot) != (xyz ? 3 : 2)) continue;
        const DigitSet pivotDigits = grid.candidates(pivot);
        const std::vector<int> wings = (peerSet(pivot) & bivalue).positions();
        for (std::size_t i = 0; i < wings.size(); ++i)
            for (std::size_t j = i + 1; j < wings.size(); ++j) {
                const DigitSet w1 = grid.candidates(wings[i]), w2 = grid.candidates(wings[j]);
                const DigitSet z = w1 & w2;
                if (digitCount(z) != 1 || w1 == w2) continue;
                if (xyz) {
                    if ((w1 & ~pivotDigits) != 0 || (w2 & ~pivotDigits) != 0) continue;
                } else if (digitCount(w1 & pivotDigits) != 1 || digitCount(w2 & pivotDigits) != 1 ||
                           (z & pivotDigits) != 0) {
                    continue;
                }
                const int digit = lowestDigit(z);
                CellSet targets = peerSet(wings[i]) & peerSet(wings[j]) & where[digit];
                targets = xyz ? targets & peerSet(pivot) : targets.without(CellSet::of(pivot));
                if (targets.none()) continue;
                Step step =
                    cellPatternStep(grid, technique, {pivot, wings[i], wings[j]}, digit, targets);
                step.units = {unitAt(sharedUnit(pivot, wings[i])),
                              unitAt(sharedUnit(pivot, wings[j]))};
                if (sink(std::move(step))) return true;
            }
    }
    return false;
}

}  // namespace

bool xyWing(const CandidateGrid& grid, const StepSink& sink) {
    return wing(grid, sink, Technique::XYWing);
}

bool xyzWing(const CandidateGrid& grid, const StepSink& sink) {
    return wing(grid, sink, Technique::XYZWing);
}

bool wWing(const CandidateGrid& grid, const StepSink& sink) {
    const DigitCells where(grid);
    const std::vector<int> bivalue = bivalueCells(grid).positions();
    for (std::size_t i = 0; i < bivalue.size(); ++i)
        for (std::size_t j = i + 1; j < bivalue.size(); ++j) {
            const int a = bivalue[i], b = bivalue[j];
            const DigitSet pair = grid.candidates(a);
            if (grid.candidates(b) != pair || sees(a, b)) continue;
            for (int x : digitsOf(pair)) {
                const int y = lowestDigit(static_cast<DigitSet>(pair & ~digitBit(x)));
                const CellSet targets = peerSet(a) & peerSet(b) & where[y];
                if (targets.none()) continue;
                // A strong link on x whose ends see a and b: one end holds x,
                // so a or b does not, and holds y.
                for (int u = 0; u < 27; ++u) {
                    const unsigned places = grid.places(u, x);
                    if (bitCount(places) != 2) continue;
                    const auto& cells = unitCells(u);
                    int e1 = cells[std::countr_zero(places)];
                    int e2 = cells[31 - std::countl_zero(places)];
                    if (e1 == a || e1 == b || e2 == a || e2 == b) continue;
                    if (!(sees(e1, a) && sees(e2, b))) std::swap(e1, e2);
                    if (!(sees(e1, a) && sees(e2, b))) continue;
                    Step step = cellPatternStep(grid, Technique::WWing, {a, b}, y, targets);
                    step.cells = {a, e1, e2, b};
                    step.pattern.push_back({e1, x});
                    step.pattern.push_back({e2, x});
                    step.units = {unitAt(u), unitAt(sharedUnit(a, e1)), unitAt(sharedUnit(e2, b))};
                    step.chains = {{{{a}, y, false},
                                    {{a}, x, true},
                                    {{e1}, x, false},
                                    {{e2}, x, true},
                                    {{b}, x, false},
                                    {{b}, y, true}}};
                    if (sink(std::move(step))) return true;
                }
            }
        }
    return false;
}

bool remotePair(const CandidateGrid& grid, const StepSink& sink) {
    const DigitCells where(grid);
    const std::vector<int> bivalue = bivalueCells(grid).positions();
    CellSet done;
    for (int start : bivalue) {
        if (done.has(start)) continue;
        const DigitSet pair = grid.candidates(start);
        // The cells with the same pair that a chain of sight reaches.
        std::vector<int> group{start};
        done.add(start);
        for (std::size_t i = 0; i < group.size(); ++i)
            for (int p : bivalue)
                if (!done.has(p) && grid.candidates(p) == pair && sees(p, group[i])) {
                    group.push_back(p);
                    done.add(p);
                }
        if (group.size() < 4) continue;
        std::sort(group.begin(), group.end());
        const int n = static_cast<int>(group.size());
        const std::vector<int> digits = digitsOf(pair);
        // For each cell, the shortest chain to every other: distances and
        // predecessors, breadth first.
        for (int s = 0; s < n; ++s) {
            std::vector<int> distance(n, -1), previous(n, -1), queue{s};
            distance[s] = 0;
            for (std::size_t q = 0; q < queue.size(); ++q)
                for (int t = 0; t < n; ++t)
                    if (distance[t] < 0 && sees(group[queue[q]], group[t])) {
                        distance[t] = distance[queue[q]] + 1;
                        previous[t] = queue[q];
                        queue.push_back(t);
                    }
            for (int t = s + 1; t < n; ++t) {
                // Cells an odd number of links apart hold different digits;
                // one link apart they are a naked pair.
                if (distance[t] < 3 || distance[t] % 2 == 0) continue;
                CellSet chainCells;
                std::vector<int> path;
                for (int k = t; k >= 0; k = previous[k]) {
                    path.insert(path.begin(), group[k]);
                    chainCells.add(group[k]);
                }
                const CellSet targets = (peerSet(group[s]) & peerSet(group[t])).without(chainCells);
                Step step;
                for (int d : digits) addCandidates(step.eliminations, targets & where[d], d);
                if (step.eliminations.empty()) continue;
                std::sort(step.eliminations.begin(), step.eliminations.end(),
                          [](const Candidate& l, const Candidate& r) {
                              return l.position != r.position ? l.position < r.position
                                                              : l.digit < r.digit;
                          });
                step.technique = Technique::RemotePair;
                step.cells = path;
                step.digits = digits;
                Chain chain;
                for (std::size_t k = 0; k < path.size(); ++k) {
                    for (int d : digits) step.pattern.push_back({path[k], d});
                    chain.push_back({{path[k]}, digits.front(), k % 2 == 0});
                    if (k > 0) step.units.push_back(unitAt(sharedUnit(path[k - 1], path[k])));
                }
                step.chains = {std::move(chain)};
                if (sink(std::move(step))) return true;
            }
        }
    }
    return false;
}

}  // namespace solver::techniques
