// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "solver/candidate_grid.h"
#include "solver/ladder.h"
#include "solver/step.h"

// What the finders share: a set of cells as a bitboard, the peers as
// bitboards, the cells holding a candidate, and the assembly of a step.
namespace solver::techniques {

// A set of positions 0 to 80 in two words; no allocation, cheap to combine.
class CellSet {
  public:
    constexpr CellSet() = default;
    static constexpr CellSet of(int position) {
        CellSet set;
        set.add(position);
        return set;
    }
    constexpr void add(int p) {
        if (p < 64)
            low_ |= std::uint64_t{1} << p;
        else
            high_ |= std::uint64_t{1} << (p - 64);
    }
    constexpr void remove(int p) {
        if (p < 64)
            low_ &= ~(std::uint64_t{1} << p);
        else
            high_ &= ~(std::uint64_t{1} << (p - 64));
    }
    constexpr bool has(int p) const {
        return p < 64 ? (low_ >> p & 1) != 0 : (high_ >> (p - 64) & 1) != 0;
    }
    constexpr bool none() const { return (low_ | high_) == 0; }
    constexpr int count() const { return std::popcount(low_) + std::popcount(high_); }
    // The lowest position, -1 for the empty set.
    constexpr int first() const {
        if (low_ != 0) return std::countr_zero(low_);
        if (high_ != 0) return 64 + std::countr_zero(high_);
        return -1;
    }
    constexpr CellSet operator&(CellSet o) const { return {low_ & o.low_, high_ & o.high_}; }
    constexpr CellSet operator|(CellSet o) const { return {low_ | o.low_, high_ | o.high_}; }
    // The cells of this set that are not in o.
    constexpr CellSet without(CellSet o) const { return {low_ & ~o.low_, high_ & ~o.high_}; }
    constexpr CellSet& operator|=(CellSet o) { return *this = *this | o; }
    constexpr CellSet& operator&=(CellSet o) { return *this = *this & o; }
    constexpr bool operator==(const CellSet&) const = default;

    // Calls f(position) for every position, ascending.
    template <typename F>
    constexpr void forEach(F f) const {
        for (std::uint64_t w = low_; w != 0; w &= w - 1) f(std::countr_zero(w));
        for (std::uint64_t w = high_; w != 0; w &= w - 1) f(64 + std::countr_zero(w));
    }
    std::vector<int> positions() const {
        std::vector<int> result;
        result.reserve(static_cast<std::size_t>(count()));
        forEach([&](int p) { result.push_back(p); });
        return result;
    }

  private:
    constexpr CellSet(std::uint64_t low, std::uint64_t high) : low_(low), high_(high) {}
    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

namespace detail {

constexpr std::array<CellSet, 81> makePeerSets() {
    std::array<CellSet, 81> sets{};
    for (int p = 0; p < 81; ++p)
        for (int q : peers(p)) sets[p].add(q);
    return sets;
}
constexpr std::array<CellSet, 27> makeUnitSets() {
    std::array<CellSet, 27> sets{};
    for (int u = 0; u < 27; ++u)
        for (int p : unitCells(u)) sets[u].add(p);
    return sets;
}
inline constexpr auto peer_sets = makePeerSets();
inline constexpr auto unit_sets = makeUnitSets();

}  // namespace detail

constexpr CellSet peerSet(int position) {
    return detail::peer_sets[position];
}
constexpr CellSet unitSet(int unit) {
    return detail::unit_sets[unit];
}

// The unit indices of a position's row, column and square.
constexpr int rowUnit(int position) {
    return position / 9;
}
constexpr int columnUnit(int position) {
    return 9 + position % 9;
}
constexpr int squareUnit(int position) {
    return 18 + squareOf(position) - 1;
}

// The unit two cells that see each other share: their row, else their
// column, else their square.
constexpr int sharedUnit(int a, int b) {
    if (rowOf(a) == rowOf(b)) return rowUnit(a);
    if (columnOf(a) == columnOf(b)) return columnUnit(a);
    return squareUnit(a);
}

// The cells where digit d is still open, for every digit at once.
struct DigitCells {
    std::array<CellSet, 10> cells{};
    explicit DigitCells(const CandidateGrid& grid) {
        for (int p = 0; p < 81; ++p)
            for (DigitSet c = grid.candidates(p); c != 0; c &= static_cast<DigitSet>(c - 1))
                cells[std::countr_zero(static_cast<unsigned>(c))].add(p);
    }
    const CellSet& operator[](int digit) const { return cells[digit]; }
};

// The digits of a set, ascending.
inline std::vector<int> digitsOf(DigitSet set) {
    std::vector<int> result;
    for (unsigned s = set; s != 0; s &= s - 1) result.push_back(std::countr_zero(s));
    return result;
}
inline int digitCount(DigitSet set) {
    return bitCount(set);
}
inline int lowestDigit(DigitSet set) {
    return std::countr_zero(static_cast<unsigned>(set));
}

// The cells of a unit picked by a 9-bit mask (bit i: the unit's i-th cell).
inline CellSet unitPart(int unit, unsigned mask) {
    CellSet set;
    for (unsigned m = mask; m != 0; m &= m - 1) set.add(unitCells(unit)[std::countr_zero(m)]);
    return set;
}

// Digit d in each cell of a set.
inline void addCandidates(std::vector<Candidate>& out, CellSet cells, int digit) {
    cells.forEach([&](int p) { out.push_back({p, digit}); });
}

// Calls f(mask) for every subset of `from` (a 9-bit mask) with k members,
// in ascending order of the masks; stops and returns true when f does.
template <typename F>
bool forEachSubset(unsigned from, int k, F f) {
    if (bitCount(from) < k) return false;
    // (s - from) & from steps through the subsets of `from` in ascending order.
    unsigned s = 0;
    do {
        if (bitCount(s) == k && f(s)) return true;
        s = (s - from) & from;
    } while (s != 0);
    return false;
}

}  // namespace solver::techniques
