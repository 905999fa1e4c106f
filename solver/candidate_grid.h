// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "solver/geometry.h"

namespace solver {

// A set of digits 1 to 9: bit d set for digit d.
using DigitSet = std::uint16_t;
inline constexpr DigitSet all_digits = 0x3FE;
constexpr DigitSet digitBit(int digit) {
    return static_cast<DigitSet>(1u << digit);
}

namespace detail {
constexpr std::array<std::uint8_t, 1024> makeBitCounts() {
    std::array<std::uint8_t, 1024> counts{};
    for (unsigned i = 1; i < 1024; ++i)
        counts[i] = static_cast<std::uint8_t>(counts[i / 2] + i % 2);
    return counts;
}
inline constexpr auto bit_counts = makeBitCounts();
}  // namespace detail

// The number of members of a set of at most ten bits (digits, or a unit's
// places). By table: the baseline x86-64 target has no popcount
// instruction, and std::popcount is a library call there.
constexpr int bitCount(unsigned set) {
    return detail::bit_counts[set & 1023u];
}

struct Step;

// The digits placed on a board and the candidates still open in its empty
// cells. It starts from the placed digits alone, as the single-cell display
// computes them (every digit that no peer holds), and then takes the
// placements and eliminations of solving steps.
class CandidateGrid {
  public:
    CandidateGrid() = default;  // an empty board, every digit open everywhere
    explicit CandidateGrid(const Cells& digits);

    const Cells& digits() const { return digits_; }
    int digit(int position) const { return digits_[position]; }
    bool empty(int position) const { return digits_[position] == 0; }
    // Of an empty cell; 0 for a filled one.
    DigitSet candidates(int position) const { return candidates_[position]; }
    bool has(int position, int digit) const {
        return (candidates_[position] & digitBit(digit)) != 0;
    }
    int candidateCount(int position) const { return bitCount(candidates_[position]); }
    // Where digit d is still open in unit u: bit i for the unit's i-th cell.
    std::uint16_t places(int unitIndex, int digit) const {
        unsigned result = 0;
        const auto& cells = unitCells(unitIndex);
        for (int i = 0; i < 9; ++i) result |= (candidates_[cells[i]] >> digit & 1u) << i;
        return static_cast<std::uint16_t>(result);
    }
    // Whether digit d is placed in unit u.
    bool placedIn(int unitIndex, int digit) const;
    bool complete() const;

    // Places digit d: the cell loses its candidates, its peers lose d.
    void place(int position, int digit);
    // Removes digit d from an empty cell's candidates; whether it was there.
    bool eliminate(int position, int digit);
    // The step's eliminations, then its placements.
    void apply(const Step& step);

    bool operator==(const CandidateGrid&) const = default;

  private:
    Cells digits_{};
    std::array<DigitSet, 81> candidates_ = makeFull();

    static constexpr std::array<DigitSet, 81> makeFull() {
        std::array<DigitSet, 81> full{};
        full.fill(all_digits);
        return full;
    }
};

}  // namespace solver
