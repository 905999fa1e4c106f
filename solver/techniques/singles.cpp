// SPDX-License-Identifier: GPL-3.0-or-later
#include <bit>

#include "solver/techniques.h"

namespace solver::techniques {

bool nakedSingle(const CandidateGrid& grid, const StepSink& sink) {
    for (int p = 0; p < 81; ++p) {
        if (!grid.empty(p) || grid.candidateCount(p) != 1) continue;
        const int digit = std::countr_zero(static_cast<unsigned>(grid.candidates(p)));
        Step step;
        step.technique = Technique::NakedSingle;
        step.cells = {p};
        step.digits = {digit};
        step.placements = {{p, digit}};
        if (sink(std::move(step))) return true;
    }
    return false;
}

bool hiddenSingle(const CandidateGrid& grid, const StepSink& sink) {
    for (int u = 0; u < 27; ++u) {
        for (int digit = 1; digit <= 9; ++digit) {
            const std::uint16_t places = grid.places(u, digit);
            if (bitCount(places) != 1 || grid.placedIn(u, digit)) continue;
            const int p = unitCells(u)[std::countr_zero(places)];
            Step step;
            step.technique = Technique::HiddenSingle;
            step.units = {unitAt(u)};
            step.cells = {p};
            step.digits = {digit};
            step.placements = {{p, digit}};
            if (sink(std::move(step))) return true;
        }
    }
    return false;
}

}  // namespace solver::techniques
