// SPDX-License-Identifier: GPL-3.0-or-later
// Fish: n rows (the base) in which a digit can stand only in n columns (the
// cover) put the digit into those columns within those rows, so the columns
// lose it everywhere else; the same with rows and columns swapped. A finned
// fish has a few more places (the fins), all in one square: either a fin
// holds the digit or the fish stands, so the cover cells of that square
// outside the base lose it.
#include <algorithm>

#include "solver/techniques.h"
#include "solver/techniques/common.h"

namespace solver::techniques {

namespace {

// The lines of one orientation: base line i and cover line j meet in
// cell(i, j); the squares split both into thirds.
struct Orientation {
    bool rowsAreBase;
    int baseUnit(int i) const { return rowsAreBase ? i : 9 + i; }
    int coverUnit(int j) const { return rowsAreBase ? 9 + j : j; }
    int cell(int i, int j) const { return rowsAreBase ? i * 9 + j : j * 9 + i; }
};

constexpr unsigned third_mask[3] = {0x007, 0x038, 0x1C0};

struct FishSearch {
    const CandidateGrid& grid;
    const StepSink& sink;
    int size;
    Technique technique;
    int digit = 0;
    Orientation o{true};
    std::array<unsigned, 9> lines{};  // base line i: the cover lines with the digit

    // Hands on the fish of base `base` and cover `cover` (9-bit masks) whose
    // fins (cells of the base outside the cover) lie in square (band, stack)
    // of the orientation, or no fins at all; the eliminations are the cover
    // cells outside the base, within the fins' square when there are fins.
    bool report(unsigned base, unsigned cover, int finBand, int finStack) {
        Step step;
        CellSet body, fins;
        for (unsigned b = base; b != 0; b &= b - 1) {
            const int i = std::countr_zero(b);
            for (unsigned l = lines[i]; l != 0; l &= l - 1) {
                const int j = std::countr_zero(l);
                (cover >> j & 1 ? body : fins).add(o.cell(i, j));
            }
        }
        for (unsigned c = cover; c != 0; c &= c - 1) {
            const int j = std::countr_zero(c);
            if (finStack >= 0 && j / 3 != finStack) continue;
            for (int i = 0; i < 9; ++i) {
                if (base >> i & 1 || (finBand >= 0 && i / 3 != finBand)) continue;
                if (grid.has(o.cell(i, j), digit))
                    step.eliminations.push_back({o.cell(i, j), digit});
            }
        }
        if (step.eliminations.empty()) return false;
        std::sort(step.eliminations.begin(), step.eliminations.end(),
                  [](const Candidate& a, const Candidate& b) { return a.position < b.position; });
        step.technique = technique;
        for (unsigned b = base; b != 0; b &= b - 1)
            step.units.push_back(unitAt(o.baseUnit(std::countr_zero(b))));
        for (unsigned c = cover; c != 0; c &= c - 1)
            step.units.push_back(unitAt(o.coverUnit(std::countr_zero(c))));
        step.cells = (body | fins).positions();
        step.digits = {digit};
        addCandidates(step.pattern, body | fins, digit);
        return sink(std::move(step));
    }

    bool basic(unsigned base) {
        unsigned cover = 0;
        for (unsigned b = base; b != 0; b &= b - 1) cover |= lines[std::countr_zero(b)];
        return bitCount(cover) == size && report(base, cover, -1, -1);
    }

    // Every cover of `size` lines that leaves the base's other places as fins
    // in one square. The cover must take every place outside the fins'
    // stack; each base line keeps a place in the cover.
    bool finned(unsigned base) {
        unsigned all = 0;
        for (unsigned b = base; b != 0; b &= b - 1) all |= lines[std::countr_zero(b)];
        if (bitCount(all) <= size) return false;
        for (int stack = 0; stack < 3; ++stack) {
            const unsigned must = all & ~third_mask[stack];
            const unsigned optional = all & third_mask[stack];
            const int need = size - bitCount(must);
            if (need < 0 || need >= bitCount(optional)) continue;
            const bool stopped = forEachSubset(optional, need, [&](unsigned extra) {
                const unsigned cover = must | extra;
                int band = -1;
                for (unsigned b = base; b != 0; b &= b - 1) {
                    const int i = std::countr_zero(b);
                    if ((lines[i] & cover) == 0) return false;
                    if ((lines[i] & ~cover) == 0) continue;
                    if (band >= 0 && band != i / 3) return false;
                    band = i / 3;
                }
                return report(base, cover, band, stack);
            });
            if (stopped) return true;
        }
        return false;
    }

    bool run(bool withFins) {
        for (digit = 1; digit <= 9; ++digit) {
            for (bool rows : {true, false}) {
                o = Orientation{rows};
                unsigned eligible = 0;
                for (int i = 0; i < 9; ++i) {
                    lines[i] = grid.places(o.baseUnit(i), digit);
                    const int count = bitCount(lines[i]);
                    // A line with one place is a hidden single; a fin-free
                    // base line has at most `size` places, a finned one at
                    // most three more, all in one square.
                    if (count >= 2 && count <= size + (withFins ? 3 : 0)) eligible |= 1u << i;
                }
                const bool stopped = forEachSubset(eligible, size, [&](unsigned base) {
                    return withFins ? finned(base) : basic(base);
                });
                if (stopped) return true;
            }
        }
        return false;
    }
};

bool fish(const CandidateGrid& grid, const StepSink& sink, int size, Technique technique,
          bool withFins) {
    return FishSearch{grid, sink, size, technique}.run(withFins);
}

}  // namespace

bool xWing(const CandidateGrid& grid, const StepSink& sink) {
    return fish(grid, sink, 2, Technique::XWing, false);
}
bool swordfish(const CandidateGrid& grid, const StepSink& sink) {
    return fish(grid, sink, 3, Technique::Swordfish, false);
}
bool jellyfish(const CandidateGrid& grid, const StepSink& sink) {
    return fish(grid, sink, 4, Technique::Jellyfish, false);
}
bool finnedXWing(const CandidateGrid& grid, const StepSink& sink) {
    return fish(grid, sink, 2, Technique::FinnedXWing, true);
}
bool finnedSwordfish(const CandidateGrid& grid, const StepSink& sink) {
    return fish(grid, sink, 3, Technique::FinnedSwordfish, true);
}
bool finnedJellyfish(const CandidateGrid& grid, const StepSink& sink) {
    return fish(grid, sink, 4, Technique::FinnedJellyfish, true);
}

}  // namespace solver::techniques
