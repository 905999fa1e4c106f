// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/ladder.h"

#include <array>

#include "solver/techniques.h"

namespace solver {

namespace {

namespace t = techniques;

constexpr std::array rungs{
    Rung{Level::Leicht, t::nakedSingle},
    Rung{Level::Leicht, t::hiddenSingle},
    // mittel
    Rung{Level::Mittel, t::lockedCandidatesPointing},
    Rung{Level::Mittel, t::lockedCandidatesClaiming},
    Rung{Level::Mittel, t::nakedPair},
    Rung{Level::Mittel, t::hiddenPair},
    Rung{Level::Mittel, t::nakedTriple},
    Rung{Level::Mittel, t::hiddenTriple},
    // schwer
    Rung{Level::Schwer, t::nakedQuad},
    Rung{Level::Schwer, t::hiddenQuad},
};

}  // namespace

std::optional<Step> firstStep(Finder find, const CandidateGrid& grid) {
    std::optional<Step> first;
    find(grid, [&first](Step&& step) {
        first = std::move(step);
        return true;
    });
    return first;
}

std::span<const Rung> ladder() {
    return rungs;
}

Level levelOf(Technique technique) {
    if (technique <= Technique::HiddenSingle) return Level::Leicht;
    if (technique <= Technique::HiddenTriple) return Level::Mittel;
    if (technique <= Technique::FinnedXWing) return Level::Schwer;
    if (technique <= Technique::AlsXyWing) return Level::SehrSchwer;
    return Level::Extrem;
}

std::optional<Step> nextStep(const CandidateGrid& grid, const LadderOptions& options) {
    if (grid.complete()) return std::nullopt;
    for (const Rung& rung : rungs) {
        if (rung.level > options.highest) break;
        if (rung.needsUniqueness && !options.uniqueSolution) continue;
        if (std::optional<Step> step = firstStep(rung.find, grid)) return step;
    }
    return std::nullopt;
}

Solution solveWithLadder(const Cells& digits, const LadderOptions& options) {
    Solution solution{{}, CandidateGrid(digits)};
    while (std::optional<Step> step = nextStep(solution.grid, options)) {
        const CandidateGrid before = solution.grid;
        solution.grid.apply(*step);
        // A step that changes nothing would be found again and again.
        if (solution.grid == before) break;
        if (levelOf(step->technique) > solution.level) solution.level = levelOf(step->technique);
        solution.steps.push_back(std::move(*step));
    }
    solution.solved = solution.grid.complete();
    return solution;
}

}  // namespace solver
