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
    Rung{Level::SehrSchwer, t::xChain},
    Rung{Level::SehrSchwer, t::xyChain},
    Rung{Level::SehrSchwer, t::sueDeCoq},
    Rung{Level::SehrSchwer, t::alsXz},
    Rung{Level::SehrSchwer, t::alsXyWing},
    Rung{Level::SehrSchwer, t::niceLoop},
    Rung{Level::SehrSchwer, t::groupedNiceLoop},
    Rung{Level::Extrem, t::cellForcingChain},
    Rung{Level::Extrem, t::unitForcingChain},
    Rung{Level::Extrem, t::forcingNet},
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

bool allowed(const Rung& rung, const LadderOptions& options) {
    return rung.level <= options.highest && (options.uniqueSolution || !rung.needsUniqueness);
}

std::optional<Step> nextStep(const CandidateGrid& grid, const LadderOptions& options,
                             std::size_t* rung) {
    if (grid.complete()) return std::nullopt;
    for (std::size_t i = 0; i < rungs.size(); ++i) {
        if (!allowed(rungs[i], options)) continue;
        if (std::optional<Step> step = firstStep(rungs[i].find, grid)) {
            if (rung) *rung = i;
            return step;
        }
    }
    return std::nullopt;
}

Solution solveWithLadder(const Cells& digits, const LadderOptions& options) {
    Solution solution{{}, {}, CandidateGrid(digits)};
    std::size_t rung = 0;
    while (std::optional<Step> step = nextStep(solution.grid, options, &rung)) {
        const CandidateGrid before = solution.grid;
        solution.grid.apply(*step);
        // A step that changes nothing would be found again and again.
        if (solution.grid == before) break;
        if (levelOf(step->technique) > solution.level) solution.level = levelOf(step->technique);
        solution.steps.push_back(std::move(*step));
        solution.rungs.push_back(rung);
    }
    solution.solved = solution.grid.complete();
    return solution;
}

}  // namespace solver
