// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>

// A fixed set of small numbers (cells, candidates, chain nodes) as plain
// words, for the chain and net searches: union, intersection and walking the
// members cost a few word operations and never allocate.
namespace solver::techniques {

// The members of a word. Written out, so that it stays inline on processors
// the build does not assume to count bits in one instruction (bitCount in
// candidate_grid.h counts sets of up to ten bits).
constexpr int wordBitCount(std::uint64_t w) {
    w -= (w >> 1) & 0x5555555555555555u;
    w = (w & 0x3333333333333333u) + ((w >> 2) & 0x3333333333333333u);
    w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((w * 0x0101010101010101u) >> 56);
}

constexpr bool singleBit(std::uint64_t w) {
    return w && !(w & (w - 1));
}

template <int Size>
class BitSet {
  public:
    static constexpr int size = Size;
    static constexpr int words = (Size + 63) / 64;

    constexpr void set(int i) { word_[i >> 6] |= std::uint64_t{1} << (i & 63); }
    constexpr void reset(int i) { word_[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
    constexpr bool test(int i) const { return (word_[i >> 6] >> (i & 63)) & 1; }
    constexpr void clear() { word_.fill(0); }

    bool any() const {
        for (std::uint64_t w : word_)
            if (w) return true;
        return false;
    }
    int count() const {
        int n = 0;
        for (std::uint64_t w : word_) n += wordBitCount(w);
        return n;
    }
    // Whether every member is also in other.
    bool subsetOf(const BitSet& other) const {
        for (int i = 0; i < words; ++i)
            if (word_[i] & ~other.word_[i]) return false;
        return true;
    }
    bool intersects(const BitSet& other) const {
        for (int i = 0; i < words; ++i)
            if (word_[i] & other.word_[i]) return true;
        return false;
    }
    // The lowest member, or -1.
    int first() const {
        for (int i = 0; i < words; ++i)
            if (word_[i]) return i * 64 + std::countr_zero(word_[i]);
        return -1;
    }

    BitSet& operator|=(const BitSet& other) {
        for (int i = 0; i < words; ++i) word_[i] |= other.word_[i];
        return *this;
    }
    BitSet& operator&=(const BitSet& other) {
        for (int i = 0; i < words; ++i) word_[i] &= other.word_[i];
        return *this;
    }
    // Removes other's members.
    BitSet& operator-=(const BitSet& other) {
        for (int i = 0; i < words; ++i) word_[i] &= ~other.word_[i];
        return *this;
    }
    friend BitSet operator|(BitSet a, const BitSet& b) { return a |= b; }
    friend BitSet operator&(BitSet a, const BitSet& b) { return a &= b; }
    friend BitSet operator-(BitSet a, const BitSet& b) { return a -= b; }
    bool operator==(const BitSet&) const = default;

    // Calls f(i) for every member, ascending.
    template <typename F>
    void forEach(F&& f) const {
        for (int i = 0; i < words; ++i)
            for (std::uint64_t w = word_[i]; w; w &= w - 1) f(i * 64 + std::countr_zero(w));
    }

  private:
    std::array<std::uint64_t, words> word_{};
};

// A candidate, digit d in the cell at position p, as one number 0 to 728.
constexpr int candidateIndex(int position, int digit) {
    return position * 9 + digit - 1;
}
constexpr int positionOfCandidate(int index) {
    return index / 9;
}
constexpr int digitOfCandidate(int index) {
    return index % 9 + 1;
}
inline constexpr int candidate_count = 729;
using CandidateSet = BitSet<candidate_count>;

}  // namespace solver::techniques
