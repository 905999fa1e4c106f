// SPDX-License-Identifier: GPL-3.0-or-later
// Patterns of one digit built from strong links (a unit where the digit has
// exactly two places, one of which must hold it): skyscraper, 2-string kite,
// turbot fish, empty rectangle and simple colouring.
#include <algorithm>
#include <optional>

#include "solver/techniques.h"
#include "solver/techniques/common.h"

namespace solver::techniques {

namespace {

// A unit in which a digit has exactly two places.
struct StrongLink {
    int unit;
    int a, b;  // a < b
};

// Every strong link of a digit, units in index order.
struct StrongLinks {
    std::array<StrongLink, 27> links{};
    int count = 0;
    StrongLinks(const CandidateGrid& grid, int digit) {
        for (int u = 0; u < 27; ++u) {
            const unsigned places = grid.places(u, digit);
            if (bitCount(places) != 2) continue;
            const auto& cells = unitCells(u);
            links[count++] = {u, cells[std::countr_zero(places)],
                              cells[31 - std::countl_zero(places)]};
        }
    }
    const StrongLink* begin() const { return links.data(); }
    const StrongLink* end() const { return links.data() + count; }
};

enum class LineKind { Row, Column, Square };
LineKind kindOf(int unit) {
    return static_cast<LineKind>(unit / 9);
}

// The chain a = b - c = d: either a or d holds the digit, so every cell that
// sees both loses it. Hands the step on when it removes anything.
bool fourCellChain(const StepSink& sink, Technique technique, int digit, const DigitCells& where,
                   int u1, int a, int b, int u2, int c, int d) {
    const CellSet pattern = CellSet::of(a) | CellSet::of(b) | CellSet::of(c) | CellSet::of(d);
    const CellSet targets = (peerSet(a) & peerSet(d) & where[digit]).without(pattern);
    if (targets.none()) return false;
    Step step;
    step.technique = technique;
    step.units = {unitAt(u1), unitAt(u2), unitAt(sharedUnit(b, c))};
    step.cells = {a, b, c, d};
    step.digits = {digit};
    step.pattern = {{a, digit}, {b, digit}, {c, digit}, {d, digit}};
    addCandidates(step.eliminations, targets, digit);
    step.chains = {
        {{{a}, digit, false}, {{b}, digit, true}, {{c}, digit, false}, {{d}, digit, true}}};
    return sink(std::move(step));
}

// Calls f(l1, a, b, l2, c, d) for every pair of strong links of a digit,
// taken in index order, in each of the four ways to join them (b sees c).
template <typename F>
bool forEachLinkPair(const StrongLinks& links, F f) {
    for (const StrongLink* l1 = links.begin(); l1 != links.end(); ++l1)
        for (const StrongLink* l2 = l1 + 1; l2 != links.end(); ++l2)
            for (int side1 = 0; side1 < 2; ++side1)
                for (int side2 = 0; side2 < 2; ++side2) {
                    const int a = side1 ? l1->a : l1->b, b = side1 ? l1->b : l1->a;
                    const int c = side2 ? l2->a : l2->b, d = side2 ? l2->b : l2->a;
                    if (a == c || a == d || b == c || b == d || !sees(b, c)) continue;
                    if (f(*l1, a, b, *l2, c, d)) return true;
                }
    return false;
}

// Which of the three named patterns two joined strong links make.
// Two parallel links whose free ends share a line as well are an X-Wing.
std::optional<Technique> chainKind(const StrongLink& l1, int a, int b, const StrongLink& l2, int c,
                                   int d) {
    const LineKind k1 = kindOf(l1.unit), k2 = kindOf(l2.unit);
    if (k1 == k2 && k1 == LineKind::Row && columnOf(b) == columnOf(c))
        return columnOf(a) == columnOf(d) ? std::nullopt : std::optional(Technique::Skyscraper);
    if (k1 == k2 && k1 == LineKind::Column && rowOf(b) == rowOf(c))
        return rowOf(a) == rowOf(d) ? std::nullopt : std::optional(Technique::Skyscraper);
    if (k1 != k2 && k1 != LineKind::Square && k2 != LineKind::Square)
        return Technique::TwoStringKite;
    return Technique::TurbotFish;
}

bool singleDigitChain(const CandidateGrid& grid, const StepSink& sink, Technique wanted) {
    const DigitCells where(grid);
    for (int digit = 1; digit <= 9; ++digit) {
        const StrongLinks links(grid, digit);
        const bool stopped = forEachLinkPair(
            links, [&](const StrongLink& l1, int a, int b, const StrongLink& l2, int c, int d) {
                if (chainKind(l1, a, b, l2, c, d) != wanted) return false;
                return fourCellChain(sink, wanted, digit, where, l1.unit, a, b, l2.unit, c, d);
            });
        if (stopped) return true;
    }
    return false;
}

}  // namespace

bool skyscraper(const CandidateGrid& grid, const StepSink& sink) {
    return singleDigitChain(grid, sink, Technique::Skyscraper);
}

bool twoStringKite(const CandidateGrid& grid, const StepSink& sink) {
    return singleDigitChain(grid, sink, Technique::TwoStringKite);
}

bool turbotFish(const CandidateGrid& grid, const StepSink& sink) {
    return singleDigitChain(grid, sink, Technique::TurbotFish);
}

bool emptyRectangle(const CandidateGrid& grid, const StepSink& sink) {
    for (int square = 18; square < 27; ++square) {
        const int corner = unitCells(square)[0];
        for (int digit = 1; digit <= 9; ++digit) {
            const unsigned places = grid.places(square, digit);
            if (bitCount(places) < 2) continue;
            for (int ri = 0; ri < 3; ++ri)
                for (int ci = 0; ci < 3; ++ci) {
                    const unsigned rowPart = 0x7u << (3 * ri), columnPart = 0x49u << ci;
                    // The places lie on the cross of one row and one column,
                    // with some on each arm beyond the crossing.
                    if ((places & ~(rowPart | columnPart)) != 0) continue;
                    if ((places & rowPart & ~columnPart) == 0) continue;
                    if ((places & columnPart & ~rowPart) == 0) continue;
                    const int row = rowUnit(corner) + ri;        // unit index 0-8
                    const int column = columnUnit(corner) + ci;  // unit index 9-17
                    // A strong link in a column outside the square with one
                    // end in the cross's row: if that end holds the digit the
                    // square's digit is in its column part, so the cell of
                    // the link's other row in the cross's column loses it.
                    // Likewise with rows and columns swapped.
                    for (int line = 0; line < 18; ++line) {
                        const bool isColumn = line >= 9;
                        const unsigned linePlaces = grid.places(line, digit);
                        if (bitCount(linePlaces) != 2) continue;
                        const auto& cells = unitCells(line);
                        const int p = cells[std::countr_zero(linePlaces)];
                        const int q = cells[31 - std::countl_zero(linePlaces)];
                        if (squareUnit(p) == square || squareUnit(q) == square) continue;
                        for (auto [near, far] : {std::pair{p, q}, std::pair{q, p}}) {
                            const bool joins =
                                isColumn ? rowUnit(near) == row : columnUnit(near) == column;
                            if (!joins) continue;
                            // far must lie outside the square's band (stack).
                            const int target = isColumn ? positionAt(rowOf(far), column - 8)
                                                        : positionAt(row + 1, columnOf(far));
                            if (squareUnit(target) == square || !grid.has(target, digit)) continue;
                            const unsigned nearArm = isColumn ? rowPart : columnPart;
                            Step step;
                            step.technique = Technique::EmptyRectangle;
                            step.units = {unitAt(square), unitAt(line)};
                            const CellSet inSquare = unitPart(square, places);
                            step.cells =
                                (inSquare | CellSet::of(near) | CellSet::of(far)).positions();
                            step.digits = {digit};
                            addCandidates(step.pattern, inSquare, digit);
                            step.pattern.push_back({near, digit});
                            step.pattern.push_back({far, digit});
                            step.eliminations = {{target, digit}};
                            step.chains = {
                                {{{far}, digit, false},
                                 {{near}, digit, true},
                                 {unitPart(square, places & nearArm).positions(), digit, false},
                                 {unitPart(square, places & ~nearArm).positions(), digit, true}}};
                            if (sink(std::move(step))) return true;
                        }
                    }
                }
        }
    }
    return false;
}

bool simpleColouring(const CandidateGrid& grid, const StepSink& sink) {
    const DigitCells where(grid);
    for (int digit = 1; digit <= 9; ++digit) {
        const StrongLinks links(grid, digit);
        CellSet done;
        for (const StrongLink& start : links) {
            if (done.has(start.a)) continue;
            // Two-colour the component of strong links that holds the link,
            // breadth first: cells of one colour all hold the digit or none.
            std::vector<int> order{start.a};
            std::array<signed char, 81> colour{};
            colour.fill(-1);
            colour[start.a] = 0;
            std::vector<int> units;
            for (std::size_t i = 0; i < order.size(); ++i) {
                const int p = order[i];
                for (const StrongLink& l : links) {
                    if (l.a != p && l.b != p) continue;
                    const int q = l.a == p ? l.b : l.a;
                    if (colour[q] >= 0) continue;
                    colour[q] = static_cast<signed char>(1 - colour[p]);
                    order.push_back(q);
                    units.push_back(l.unit);
                }
            }
            CellSet colours[2];
            for (int p : order) {
                colours[colour[p]].add(p);
                done.add(p);
            }
            if (order.size() < 4) continue;
            Step step;
            // Wrap: two cells of one colour see each other, so that colour
            // is false. Trap: a cell outside that sees both colours.
            for (int c = 0; c < 2 && step.eliminations.empty(); ++c) {
                bool wrap = false;
                colours[c].forEach(
                    [&](int p) { wrap = wrap || !(peerSet(p) & colours[c]).none(); });
                if (wrap) addCandidates(step.eliminations, colours[c], digit);
            }
            if (step.eliminations.empty()) {
                CellSet seeBoth;
                CellSet seen[2];
                for (int c = 0; c < 2; ++c)
                    colours[c].forEach([&](int p) { seen[c] |= peerSet(p); });
                seeBoth = (seen[0] & seen[1] & where[digit]).without(colours[0] | colours[1]);
                addCandidates(step.eliminations, seeBoth, digit);
            }
            if (step.eliminations.empty()) continue;
            step.technique = Technique::SimpleColouring;
            std::sort(units.begin(), units.end());
            units.erase(std::unique(units.begin(), units.end()), units.end());
            for (int u : units) step.units.push_back(unitAt(u));
            step.cells = (colours[0] | colours[1]).positions();
            step.digits = {digit};
            addCandidates(step.pattern, colours[0] | colours[1], digit);
            Chain chain;
            for (int p : order) chain.push_back({{p}, digit, colour[p] == 0});
            step.chains = {std::move(chain)};
            if (sink(std::move(step))) return true;
        }
    }
    return false;
}

}  // namespace solver::techniques
