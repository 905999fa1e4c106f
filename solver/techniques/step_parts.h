// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <vector>

#include "solver/step.h"
#include "solver/techniques/bit_set.h"

// Small helpers the finders of chains, almost locked sets and forcing nets
// share when they fill a step.
namespace solver::techniques {

template <typename T>
void sortUnique(std::vector<T>& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

inline void sortUnique(std::vector<Candidate>& values) {
    const auto less = [](const Candidate& a, const Candidate& b) {
        return a.position != b.position ? a.position < b.position : a.digit < b.digit;
    };
    std::sort(values.begin(), values.end(), less);
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

// The candidates among the first candidate_count members of a set.
template <int Size>
std::vector<Candidate> candidatesOf(const BitSet<Size>& set) {
    std::vector<Candidate> result;
    set.forEach([&](int c) {
        if (c < candidate_count) result.push_back({positionOfCandidate(c), digitOfCandidate(c)});
    });
    return result;
}

// Fills a step's cells from its pattern candidates, and its digits unless
// given, and puts its lists in a fixed order.
inline void completeStep(Step& step) {
    sortUnique(step.pattern);
    sortUnique(step.eliminations);
    sortUnique(step.placements);
    const bool digitsGiven = !step.digits.empty();
    for (const Candidate& c : step.pattern) {
        step.cells.push_back(c.position);
        if (!digitsGiven) step.digits.push_back(c.digit);
    }
    sortUnique(step.cells);
    sortUnique(step.digits);
    std::vector<Unit> units;
    for (const Unit& unit : step.units)
        if (std::find(units.begin(), units.end(), unit) == units.end()) units.push_back(unit);
    step.units = std::move(units);
}

}  // namespace solver::techniques
