// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/candidate_grid.h"

#include <algorithm>

#include "solver/step.h"

namespace solver {

int candidates(const Cells& cells, int position) {
    int possible = all_digits;
    for (int p : peers(position)) possible &= ~(1 << cells[p]);
    return possible & all_digits;
}

CandidateGrid::CandidateGrid(const Cells& digits) : digits_(digits) {
    for (int p = 0; p < 81; ++p)
        candidates_[p] =
            digits_[p] == 0 ? static_cast<DigitSet>(solver::candidates(digits_, p)) : 0;
}

bool CandidateGrid::placedIn(int unitIndex, int digit) const {
    const auto& cells = unitCells(unitIndex);
    return std::any_of(cells.begin(), cells.end(), [&](int p) { return digits_[p] == digit; });
}

bool CandidateGrid::complete() const {
    return std::find(digits_.begin(), digits_.end(), 0) == digits_.end();
}

void CandidateGrid::place(int position, int digit) {
    digits_[position] = digit;
    candidates_[position] = 0;
    for (int p : peers(position)) candidates_[p] &= static_cast<DigitSet>(~digitBit(digit));
}

bool CandidateGrid::eliminate(int position, int digit) {
    if (!has(position, digit)) return false;
    candidates_[position] &= static_cast<DigitSet>(~digitBit(digit));
    return true;
}

void CandidateGrid::apply(const Step& step) {
    for (const Candidate& c : step.eliminations) eliminate(c.position, c.digit);
    for (const Candidate& c : step.placements) place(c.position, c.digit);
}

}  // namespace solver
