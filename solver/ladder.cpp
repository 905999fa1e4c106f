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
    Rung{Level::Schwer, t::xWing},
    Rung{Level::Schwer, t::skyscraper},
    Rung{Level::Schwer, t::twoStringKite},
    Rung{Level::Schwer, t::turbotFish},
    Rung{Level::Schwer, t::emptyRectangle},
    Rung{Level::Schwer, t::xyWing},
    Rung{Level::Schwer, t::xyzWing},
    Rung{Level::Schwer, t::wWing},
    Rung{Level::Schwer, t::remotePair},
    Rung{Level::Schwer, t::uniqueRectangle1, true},
    Rung{Level::Schwer, t::uniqueRectangle2, true},
    Rung{Level::Schwer, t::uniqueRectangle4, true},
    Rung{Level::Schwer, t::uniqueRectangle3, true},
    Rung{Level::Schwer, t::hiddenRectangle, true},
    Rung{Level::Schwer, t::bug1, true},
    Rung{Level::Schwer, t::nakedQuad},
    Rung{Level::Schwer, t::hiddenQuad},
    Rung{Level::Schwer, t::swordfish},
    Rung{Level::Schwer, t::jellyfish},
    Rung{Level::Schwer, t::simpleColouring},
    Rung{Level::Schwer, t::finnedXWing},
    // sehr schwer
    Rung{Level::SehrSchwer, t::finnedSwordfish},
    Rung{Level::SehrSchwer, t::finnedJellyfish},
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
