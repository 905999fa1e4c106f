// SPDX-License-Identifier: GPL-3.0-or-later
// Almost locked sets: n cells of one unit with n + 1 candidates between
// them. Take one digit away and the rest is locked. Two of them share a
// restricted common digit x when every x of the one sees every x of the
// other: x stands in at most one of them, so the other is locked.
//
// ALS-XZ: with x restricted common, a common digit z stands in one of the
// two sets (in the one that lacks x, if not in both), so every z that sees
// every z of both is false. With two restricted commons both sets are locked
// sets without one of them: their other digits, and each of the two commons
// in one of the sets, eliminate as a locked set does.
//
// ALS-XY-Wing: a pivot C with restricted common x to A and y to B; C lacks x
// or y, so A or B is locked, and a digit z of A and B stands in one of them.
//
// A step is written as a chain whose nodes are a digit in the cells of one
// set: (z)A = (x)A - (x)B = (z)B for ALS-XZ, one chain per digit z.
#include <algorithm>
#include <optional>
#include <vector>

#include "solver/techniques.h"
#include "solver/techniques/link_graph.h"
#include "solver/techniques/step_parts.h"

namespace solver::techniques {

namespace {

struct Als {
    int unit = 0;
    int size = 0;
    CellSet cells;
    DigitSet digits = 0;
    std::array<CellSet, 10> places;  // the set's cells with each digit
    std::array<CellSet, 10> seen;    // the cells that see each of those
    CellSet reach;                   // the cells that see all places of some digit
};

// Calls f(d) for every digit of a set.
template <typename F>
void forDigits(DigitSet digits, F&& f) {
    for (unsigned rest = digits; rest; rest &= rest - 1) f(std::countr_zero(rest));
}

// The places of each digit of a set and the cells that see them.
void fillPlaces(const CandidateGrid& grid, Als& als) {
    forDigits(als.digits, [&](int d) {
        als.cells.forEach([&](int p) {
            if (grid.has(p, d)) als.places[d].add(p);
        });
        als.seen[d] = commonPeers(als.places[d]);
        als.reach |= als.seen[d];
    });
}

// The set of a chain node's cells, if they are still an almost locked set;
// in the first unit that holds them, as almostLockedSets counts it.
std::optional<Als> alsOf(const CandidateGrid& grid, const ChainNode& node) {
    Als als;
    als.size = static_cast<int>(node.positions.size());
    for (int p : node.positions) {
        if (!grid.empty(p)) return std::nullopt;
        als.cells.add(p);
        als.digits |= grid.candidates(p);
    }
    if (bitCount(als.digits) != als.size + 1) return std::nullopt;
    while (als.unit < 27 && !subsetOf(als.cells, unitSet(als.unit))) ++als.unit;
    if (als.unit == 27) return std::nullopt;
    fillPlaces(grid, als);
    return als;
}

// The restricted commons of two sets without a common cell.
DigitSet restrictedCommons(const Als& a, const Als& b) {
    DigitSet commons = 0;
    if (intersect(a.cells, b.cells)) return 0;
    forDigits(a.digits & b.digits, [&](int x) {
        if (subsetOf(b.places[x], a.seen[x])) commons |= digitBit(x);
    });
    return commons;
}

// Whether a set of cells of unit u lies in an earlier unit as well: cells of
// one row in a column or a square, cells of one column in a square.
bool countedBefore(int u, CellSet cells) {
    for (int line = 0; line < 18 && line < u / 9 * 9; ++line)
        if (subsetOf(cells, unitSet(line))) return true;
    return false;
}

// Every almost locked set of the grid, smallest first (then by unit); a set
// that lies in two units (a row and a square) once, with the first of them.
// begin[s] is the index of the first set of s cells.
std::vector<Als> almostLockedSets(const CandidateGrid& grid, std::array<int, 10>& begin) {
    struct UnitCells {
        std::array<int, 9> open{};
        int count = 0;
        std::array<DigitSet, 512> digits{};  // of every subset of the open cells
    };
    std::array<UnitCells, 27> units;
    for (int u = 0; u < 27; ++u) {
        UnitCells& unit = units[u];
        for (int p : unitCells(u))
            if (grid.empty(p)) unit.open[unit.count++] = p;
        for (unsigned subset = 1; subset < (1u << unit.count); ++subset)
            unit.digits[subset] = unit.digits[subset & (subset - 1)] |
                                  grid.candidates(unit.open[std::countr_zero(subset)]);
    }
    // The subsets that are almost locked, by size, then unit.
    std::array<std::vector<std::pair<int, unsigned>>, 9> found;
    for (int u = 0; u < 27; ++u) {
        const UnitCells& unit = units[u];
        // Every subset of the unit's open cells but the whole.
        for (unsigned subset = 1; subset + 1 < (1u << unit.count); ++subset) {
            const int size = bitCount(subset);
            if (bitCount(unit.digits[subset]) == size + 1) found[size].emplace_back(u, subset);
        }
    }
    std::vector<Als> sets;
    for (int size = 1; size <= 8; ++size) {
        begin[size] = static_cast<int>(sets.size());
        for (const auto& [u, subset] : found[size]) {
            const UnitCells& unit = units[u];
            Als als;
            als.unit = u;
            als.size = size;
            als.digits = unit.digits[subset];
            for (int i = 0; i < unit.count; ++i)
                if (subset >> i & 1) als.cells.add(unit.open[i]);
            if (countedBefore(u, als.cells)) continue;
            fillPlaces(grid, als);
            sets.push_back(als);
        }
    }
    begin[9] = static_cast<int>(sets.size());
    return sets;
}

// The candidates of digit d that see every d of the given sets.
CellSet seeingAll(const DigitCells& open, int d, std::initializer_list<const Als*> sets) {
    CellSet cells = open[d];
    for (const Als* als : sets) cells &= als->seen[d];
    return cells;
}

ChainNode node(const Als& als, int digit, bool on) {
    std::vector<int> positions;
    als.cells.forEach([&](int p) { positions.push_back(p); });
    return {positions, digit, on};
}

// A step of the sets given, its chains and the digits it is about; the
// eliminations, by digit, as cells.
Step alsStep(Technique technique, std::initializer_list<const Als*> sets,
             const std::array<CellSet, 10>& eliminated, DigitSet digits,
             std::vector<Chain> chains) {
    Step step;
    step.technique = technique;
    for (const Als* als : sets) {
        step.units.push_back(unitAt(als->unit));
        forDigits(als->digits, [&](int d) {
            als->places[d].forEach([&](int p) { step.pattern.push_back({p, d}); });
        });
    }
    for (int d = 1; d <= 9; ++d)
        eliminated[d].forEach([&](int p) { step.eliminations.push_back({p, d}); });
    step.digits = digitsOf(digits);
    step.chains = std::move(chains);
    completeStep(step);
    return step;
}

// The ALS-XZ step of two sets, if it eliminates anything.
std::optional<Step> alsXzStep(const DigitCells& open, const Als& a, const Als& b, DigitSet rcc) {
    const DigitSet common = a.digits & b.digits;
    if (bitCount(common) < 2) return std::nullopt;
    std::array<CellSet, 10> eliminated;
    bool any = false;
    const auto add = [&](int d, CellSet cells) {
        eliminated[d] |= cells;
        any = any || !cells.none();
    };
    // Three restricted commons cannot be: the two sets would hold more
    // digits than they have cells.
    if (singleBit(rcc)) {
        forDigits(common & ~rcc, [&](int z) { add(z, seeingAll(open, z, {&a, &b})); });
        if (!any) return std::nullopt;
        const int x = std::countr_zero(static_cast<unsigned>(rcc));
        std::vector<Chain> chains;
        forDigits(common & ~rcc, [&](int z) {
            if (!eliminated[z].none())
                chains.push_back(
                    {node(a, z, false), node(a, x, true), node(b, x, false), node(b, z, true)});
        });
        return alsStep(Technique::AlsXz, {&a, &b}, eliminated, common, std::move(chains));
    }
    forDigits(rcc, [&](int d) { add(d, seeingAll(open, d, {&a, &b})); });
    for (const Als* als : {&a, &b})
        forDigits(als->digits & ~rcc, [&](int d) { add(d, seeingAll(open, d, {als})); });
    if (!any) return std::nullopt;
    const int x = std::countr_zero(static_cast<unsigned>(rcc));
    const int y = std::countr_zero(static_cast<unsigned>(rcc & (rcc - 1)));
    return alsStep(Technique::AlsXz, {&a, &b}, eliminated, rcc,
                   {{node(a, x, false), node(a, y, true), node(b, y, false), node(b, x, true),
                     node(a, x, false)}});
}

// The sets of a grid and the pairs of them with restricted commons, kept for
// the last grid asked about: the ALS-XZ and the ALS-XY-Wing finders run one
// after the other on the same grid.
struct AlsIndex {
    struct Partner {
        int set;
        DigitSet commons;
    };
    CandidateGrid grid;
    std::vector<Als> sets;
    // For each set, the sets without a common cell that share a restricted
    // common with it, smallest first.
    std::vector<std::vector<Partner>> partners;

    explicit AlsIndex(const CandidateGrid& of) : grid(of) {
        std::array<int, 10> begin{};
        sets = almostLockedSets(grid, begin);
        const int count = static_cast<int>(sets.size());
        partners.resize(count);
        // A restricted common x of A and B has every place of x in B among
        // the cells that see every x of A. The sets by digit and first place
        // of the digit, so that each set meets only the sets that may share
        // a restricted common with it: those of (x, cell) are
        // byPlace[offset[k]] up to byPlace[offset[k + 1]], k = x * 81 + cell,
        // in the order of the sets.
        std::vector<int> offset(10 * 81 + 1, 0);
        const auto key = [&](int j, int x) { return x * 81 + sets[j].places[x].first(); };
        for (int j = 0; j < count; ++j)
            forDigits(sets[j].digits, [&](int x) { ++offset[key(j, x) + 1]; });
        for (std::size_t k = 1; k < offset.size(); ++k) offset[k] += offset[k - 1];
        std::vector<int> byPlace(static_cast<std::size_t>(offset.back()));
        std::vector<int> fill(offset.begin(), offset.end() - 1);
        for (int j = 0; j < count; ++j)
            forDigits(sets[j].digits, [&](int x) { byPlace[fill[key(j, x)]++] = j; });
        std::vector<DigitSet> commons(count, 0);
        std::vector<int> touched;
        // Only cells that hold x can be a first place of x.
        const DigitCells open(grid);
        for (int i = 0; i < count; ++i) {
            const Als& a = sets[i];
            forDigits(a.digits, [&](int x) {
                (a.seen[x] & open[x]).forEach([&](int cell) {
                    const auto begin = byPlace.begin() + offset[x * 81 + cell];
                    const auto end = byPlace.begin() + offset[x * 81 + cell + 1];
                    for (auto j = std::upper_bound(begin, end, i); j != end; ++j) {
                        if (!subsetOf(sets[*j].places[x], a.seen[x]) ||
                            intersect(a.cells, sets[*j].cells))
                            continue;
                        if (!commons[*j]) touched.push_back(*j);
                        commons[*j] |= digitBit(x);
                    }
                });
            });
            std::sort(touched.begin(), touched.end());
            for (int j : touched) {
                partners[i].push_back({j, commons[j]});
                partners[j].push_back({i, commons[j]});
                commons[j] = 0;
            }
            touched.clear();
        }
        // Each list is in the order of the sets, smallest first.
    }
};

const AlsIndex& alsIndex(const CandidateGrid& grid) {
    thread_local std::optional<AlsIndex> index;
    if (!index || !(index->grid == grid)) index.emplace(grid);
    return *index;
}

// The ALS-XY-Wings with at most this many cells in their three sets: larger
// ones cost much to find and are hard to follow.
constexpr int largest_wing = 12;

// The ALS-XY-Wing step of pivot c with restricted common x to a and y to b.
Step alsXyWingStep(const DigitCells& open, const Als& a, const Als& b, const Als& c, int x, int y) {
    const DigitSet xy = digitBit(x) | digitBit(y);
    std::array<CellSet, 10> eliminated;
    std::vector<Chain> chains;
    forDigits(a.digits & b.digits & ~xy, [&](int z) {
        eliminated[z] = seeingAll(open, z, {&a, &b});
        if (!eliminated[z].none())
            chains.push_back({node(a, z, false), node(a, x, true), node(c, x, false),
                              node(c, y, true), node(b, y, false), node(b, z, true)});
    });
    return alsStep(Technique::AlsXyWing, {&a, &b, &c}, eliminated, (a.digits & b.digits) | xy,
                   std::move(chains));
}

}  // namespace

bool alsXz(const CandidateGrid& grid, const StepSink& sink) {
    const AlsIndex& index = alsIndex(grid);
    const std::vector<Als>& sets = index.sets;
    const DigitCells open(grid);
    // Pairs with the fewest cells first.
    struct Pair {
        int a, b;
        DigitSet commons;
    };
    std::vector<Pair> pairs;
    for (int i = 0; i < static_cast<int>(sets.size()); ++i)
        for (const AlsIndex::Partner& partner : index.partners[i])
            if (partner.set > i) pairs.push_back({i, partner.set, partner.commons});
    std::stable_sort(pairs.begin(), pairs.end(), [&](const Pair& l, const Pair& r) {
        return sets[l.a].size + sets[l.b].size < sets[r.a].size + sets[r.b].size;
    });
    for (const Pair& pair : pairs)
        if (auto step = alsXzStep(open, sets[pair.a], sets[pair.b], pair.commons))
            if (sink(std::move(*step))) return true;
    return false;
}

bool alsXyWing(const CandidateGrid& grid, const StepSink& sink) {
    const AlsIndex& index = alsIndex(grid);
    const std::vector<Als>& sets = index.sets;
    const DigitCells open(grid);
    struct Wing {
        int size, c, a, b, x, y;
    };
    std::vector<Wing> wings;
    for (int c = 0; c < static_cast<int>(sets.size()); ++c) {
        const auto& list = index.partners[c];
        const int room = largest_wing - sets[c].size;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Als& a = sets[list[i].set];
            if (2 * a.size >= room) break;
            for (std::size_t j = i + 1; j < list.size(); ++j) {
                const Als& b = sets[list[j].set];
                if (a.size + b.size > room) break;
                const DigitSet shared = a.digits & b.digits;
                if (bitCount(shared) < 2 || intersect(a.cells, b.cells)) continue;
                // The digits z that some candidate outside sees in both sets.
                DigitSet targets = 0;
                forDigits(shared, [&](int z) {
                    if (!seeingAll(open, z, {&a, &b}).none()) targets |= digitBit(z);
                });
                if (!targets) continue;
                forDigits(list[i].commons, [&](int x) {
                    forDigits(list[j].commons & ~digitBit(x), [&](int y) {
                        if (targets & ~(digitBit(x) | digitBit(y)))
                            wings.push_back({a.size + b.size + sets[c].size, c, list[i].set,
                                             list[j].set, x, y});
                    });
                });
            }
        }
    }
    std::stable_sort(wings.begin(), wings.end(),
                     [](const Wing& l, const Wing& r) { return l.size < r.size; });
    for (const Wing& wing : wings)
        if (sink(alsXyWingStep(open, sets[wing.a], sets[wing.b], sets[wing.c], wing.x, wing.y)))
            return true;
    return false;
}

std::optional<Step> alsStepAgain(const CandidateGrid& grid, const Step& step) {
    const bool wing = step.technique == Technique::AlsXyWing;
    if ((!wing && step.technique != Technique::AlsXz) || step.chains.empty() ||
        step.chains.front().size() < (wing ? 6u : 4u))
        return std::nullopt;
    // The chains run A, B for ALS-XZ and A, C, B for the wing.
    const Chain& chain = step.chains.front();
    const std::optional<Als> a = alsOf(grid, chain[0]);
    const std::optional<Als> b = alsOf(grid, chain[wing ? 4 : 2]);
    if (!a || !b) return std::nullopt;
    const DigitCells open(grid);
    if (!wing) {
        const DigitSet rcc = restrictedCommons(*a, *b);
        return rcc ? alsXzStep(open, *a, *b, rcc) : std::nullopt;
    }
    const std::optional<Als> c = alsOf(grid, chain[2]);
    if (!c || intersect(a->cells, b->cells)) return std::nullopt;
    const int x = chain[1].digit, y = chain[3].digit;
    const int room = largest_wing - c->size;
    if (!(restrictedCommons(*a, *c) & digitBit(x)) || !(restrictedCommons(*c, *b) & digitBit(y)) ||
        2 * a->size >= room || a->size + b->size > room)
        return std::nullopt;
    Step again = alsXyWingStep(open, *a, *b, *c, x, y);
    if (again.eliminations.empty()) return std::nullopt;
    return again;
}

}  // namespace solver::techniques
