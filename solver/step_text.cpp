// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/step_text.h"

namespace solver {

namespace {

std::string cellText(int position) {
    return "r" + std::to_string(rowOf(position)) + "c" + std::to_string(columnOf(position));
}

std::string joined(const std::vector<Candidate>& candidates, std::string (*text)(Candidate)) {
    std::string line;
    for (const Candidate& c : candidates) line += (line.empty() ? "" : " ") + text(c);
    return line;
}

}  // namespace

std::string eliminationText(Candidate candidate) {
    return cellText(candidate.position) + "-" + std::to_string(candidate.digit);
}

std::string placementText(Candidate candidate) {
    return cellText(candidate.position) + "=" + std::to_string(candidate.digit);
}

std::string eliminationsText(const std::vector<Candidate>& eliminations) {
    return joined(eliminations, eliminationText);
}

std::string placementsText(const std::vector<Candidate>& placements) {
    return joined(placements, placementText);
}

}  // namespace solver
