// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/hint_plan.h"

#include <algorithm>
#include <numeric>

#include "solver/techniques.h"

namespace solver {

namespace {

// How many steps of one rung the search for a two-step hint tries at most:
// a bound for the rungs that find very many (chains, nets).
constexpr int two_step_budget = 200;
// How many other steps of its rung the search for a step found before may
// pass before it gives up.
constexpr int find_again_budget = 100;

bool places(const Step& step, Candidate target) {
    return std::find(step.placements.begin(), step.placements.end(), target) !=
           step.placements.end();
}

// The first single on a grid, in the ladder's order.
std::optional<Step> firstSingle(const CandidateGrid& grid) {
    for (const Rung& rung : ladder()) {
        if (rung.level != Level::Leicht) break;
        if (std::optional<Step> step = firstStep(rung.find, grid)) return step;
    }
    return std::nullopt;
}

Level hardest(const std::vector<Step>& steps) {
    Level level = Level::Leicht;
    for (const Step& step : steps) level = std::max(level, levelOf(step.technique));
    return level;
}

HintPlan planOf(std::vector<Step> steps) {
    HintPlan plan;
    plan.target = steps.back().placements.front();
    plan.level = hardest(steps);
    plan.steps = std::move(steps);
    return plan;
}

// A step of the given level (in the ladder's order) that places a digit
// itself or after which a single exists.
std::optional<HintPlan> twoSteps(const CandidateGrid& grid, Level level,
                                 const LadderOptions& options) {
    std::optional<HintPlan> plan;
    for (const Rung& rung : ladder()) {
        if (rung.level != level || !allowed(rung, options)) continue;
        int budget = two_step_budget;
        rung.find(grid, [&](Step&& step) {
            if (!step.placements.empty()) {
                plan = planOf({std::move(step)});
                return true;
            }
            CandidateGrid after = grid;
            after.apply(step);
            if (std::optional<Step> single = firstSingle(after)) {
                plan = planOf({std::move(step), std::move(*single)});
                return true;
            }
            return --budget <= 0;
        });
        if (plan) return plan;
    }
    return std::nullopt;
}

// The same pattern: what a step is, apart from what it removes in the
// grid it was found in.
bool samePattern(const Step& a, const Step& b) {
    return a.technique == b.technique && a.units == b.units && a.cells == b.cells &&
           a.digits == b.digits;
}

// The step of a rung with the pattern of `wanted`, found again in `grid`.
// A rung that hands on very many other steps first gives up: the step then
// counts as not found, which only keeps a step that might have gone.
std::optional<Step> findAgain(const CandidateGrid& grid, std::size_t rung, const Step& wanted) {
    if (wanted.technique == Technique::AlsXz || wanted.technique == Technique::AlsXyWing) {
        std::optional<Step> again = techniques::alsStepAgain(grid, wanted);
        if (again && !samePattern(*again, wanted)) return std::nullopt;
        return again;
    }
    std::optional<Step> found;
    int budget = find_again_budget;
    ladder()[rung].find(grid, [&](Step&& step) {
        if (!samePattern(step, wanted)) return --budget <= 0;
        found = std::move(step);
        return true;
    });
    return found;
}

// A step of the singles or of the given rung that places the target.
std::optional<Step> placing(const CandidateGrid& grid, std::size_t rung, Candidate target) {
    std::optional<Step> found;
    const auto sink = [&](Step&& step) {
        if (!places(step, target)) return false;
        found = std::move(step);
        return true;
    };
    for (const Rung& r : ladder()) {
        if (r.level != Level::Leicht) break;
        if (r.find(grid, sink)) return found;
    }
    ladder()[rung].find(grid, sink);
    return found;
}

// The units that hold every cell of two chain nodes: where a strong link
// between them may lie.
std::vector<int> sharedUnits(const ChainNode& a, const ChainNode& b) {
    std::vector<int> units;
    for (int u = 0; u < 27; ++u) {
        const auto& cells = unitCells(u);
        const auto in = [&](int p) {
            return std::find(cells.begin(), cells.end(), p) != cells.end();
        };
        if (std::all_of(a.positions.begin(), a.positions.end(), in) &&
            std::all_of(b.positions.begin(), b.positions.end(), in))
            units.push_back(u);
    }
    return units;
}

// Whether a step found in grid `then` holds as it is in grid `now`: the
// candidates of its cells, its units, its chains' cells and the units
// joining their nodes are the same in both. A finder's step rests on
// nothing else (see Finder), but for BUG+1 and the forcing chains and
// nets, which rest on the whole grid.
bool holdsAsBefore(const Step& step, const CandidateGrid& then, const CandidateGrid& now) {
    switch (step.technique) {
        case Technique::Bug1:
        case Technique::CellForcingChain:
        case Technique::UnitForcingChain:
        case Technique::ForcingNet:
            return false;
        default:
            break;
    }
    const auto same = [&](int p) { return then.candidates(p) == now.candidates(p); };
    const auto sameUnit = [&](int u) {
        const auto& cells = unitCells(u);
        return std::all_of(cells.begin(), cells.end(), same);
    };
    if (!std::all_of(step.cells.begin(), step.cells.end(), same)) return false;
    for (const Unit& u : step.units)
        if (!sameUnit(unitIndex(u))) return false;
    for (const Chain& chain : step.chains)
        for (std::size_t i = 0; i < chain.size(); ++i) {
            if (!std::all_of(chain[i].positions.begin(), chain[i].positions.end(), same))
                return false;
            if (i == 0) continue;
            for (int u : sharedUnits(chain[i - 1], chain[i]))
                if (!sameUnit(u)) return false;
        }
    return true;
}

// The ladder's way to a placement: each step with its rung, the grid before
// it and its index in the way as first walked.
struct Walk {
    std::vector<Step> steps;
    std::vector<std::size_t> rungs;
    std::vector<CandidateGrid> before;
    std::vector<std::size_t> original;
};

// The walk without the steps of `drop` (original indices), each later step
// found again by its rung in the grid the ones before it leave (it may then
// remove more or less than before); none when a step or the placement is
// not found again. The steps before the first dropped one stay as they are.
std::optional<Walk> without(const Walk& walk, const std::vector<std::size_t>& drop,
                            Candidate target) {
    const auto dropped = [&](std::size_t k) {
        return std::find(drop.begin(), drop.end(), walk.original[k]) != drop.end();
    };
    std::size_t from = 0;
    while (from < walk.steps.size() && !dropped(from)) ++from;
    if (from + 1 >= walk.steps.size()) return std::nullopt;  // the placement stays
    Walk result;
    for (std::size_t k = 0; k < from; ++k) {
        result.steps.push_back(walk.steps[k]);
        result.rungs.push_back(walk.rungs[k]);
        result.before.push_back(walk.before[k]);
        result.original.push_back(walk.original[k]);
    }
    CandidateGrid grid = walk.before[from];
    for (std::size_t k = from; k < walk.steps.size(); ++k) {
        if (dropped(k)) continue;
        const bool last = k + 1 == walk.steps.size();
        std::optional<Step> step;
        if (last) {
            step = placing(grid, walk.rungs[k], target);
        } else if (holdsAsBefore(walk.steps[k], walk.before[k], grid)) {
            // Found again it would be the same pattern; of its removals
            // those still to make (a step found again before it may have
            // made some).
            step = walk.steps[k];
            std::erase_if(step->eliminations,
                          [&](const Candidate& c) { return !grid.has(c.position, c.digit); });
            if (step->eliminations.empty() && step->placements.empty()) continue;
        } else {
            step = findAgain(grid, walk.rungs[k], walk.steps[k]);
        }
        if (!step) return std::nullopt;
        result.before.push_back(grid);
        grid.apply(*step);
        result.steps.push_back(std::move(*step));
        result.rungs.push_back(walk.rungs[k]);
        result.original.push_back(walk.original[k]);
    }
    return result;
}

// Leaves out every step the placement does not need. Groups of steps first,
// halving them down to single steps (most steps of a long way are not
// needed, so this takes far fewer trials than one step at a time); within
// that the hardest first, later ones before earlier ones of the same level.
std::vector<Step> needed(Walk walk) {
    const Candidate target = walk.steps.back().placements.front();
    std::vector<std::size_t> order(walk.steps.size() - 1);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Level la = levelOf(walk.steps[a].technique), lb = levelOf(walk.steps[b].technique);
        return la != lb ? la > lb : a > b;
    });
    for (std::size_t chunk = std::max<std::size_t>(order.size() / 2, 1);; chunk /= 2) {
        for (std::size_t g = 0; g < order.size(); g += chunk) {
            const std::vector<std::size_t> group(
                order.begin() + static_cast<std::ptrdiff_t>(g),
                order.begin() + static_cast<std::ptrdiff_t>(std::min(g + chunk, order.size())));
            if (std::optional<Walk> shorter = without(walk, group, target))
                walk = std::move(*shorter);
        }
        // What is left of the order: the steps still on the way.
        std::erase_if(order, [&](std::size_t i) {
            return std::find(walk.original.begin(), walk.original.end(), i) == walk.original.end();
        });
        if (chunk == 1) break;
    }
    return std::move(walk.steps);
}

}  // namespace

std::optional<HintPlan> planHint(const Cells& digits, const LadderOptions& options) {
    const CandidateGrid start(digits);
    if (start.complete()) return std::nullopt;
    if (std::optional<Step> single = firstSingle(start)) return planOf({std::move(*single)});
    // The ladder's own way, carried on from level to level: at each level
    // it takes up where the lower one got stuck.
    CandidateGrid walked = start;
    Walk walk;
    for (int l = static_cast<int>(Level::Mittel); l <= static_cast<int>(options.highest); ++l) {
        const Level level = static_cast<Level>(l);
        if (std::optional<HintPlan> plan = twoSteps(start, level, options)) return plan;
        LadderOptions upTo = options;
        upTo.highest = level;
        std::size_t rung = 0;
        while (std::optional<Step> step = nextStep(walked, upTo, &rung)) {
            const CandidateGrid before = walked;
            walked.apply(*step);
            if (walked == before) break;
            const bool placed = !step->placements.empty();
            walk.original.push_back(walk.steps.size());
            walk.steps.push_back(std::move(*step));
            walk.rungs.push_back(rung);
            walk.before.push_back(before);
            if (placed) return planOf(needed(std::move(walk)));
        }
    }
    return std::nullopt;
}

HintMarking markingOf(const HintPlan& plan) {
    HintMarking marking;
    marking.target = plan.target.position;
    const auto addCell = [&](std::vector<int>& cells, int p) {
        if (p != marking.target && std::find(cells.begin(), cells.end(), p) == cells.end())
            cells.push_back(p);
    };
    const auto addCandidate = [](std::vector<Candidate>& candidates, const Candidate& c) {
        if (std::find(candidates.begin(), candidates.end(), c) == candidates.end())
            candidates.push_back(c);
    };
    for (const Step& step : plan.steps) {
        for (int p : step.cells) addCell(marking.patternCells, p);
        for (const Candidate& c : step.pattern) addCandidate(marking.pattern, c);
        for (const Candidate& c : step.eliminations) addCandidate(marking.eliminated, c);
    }
    for (const Candidate& c : marking.eliminated)
        if (std::find(marking.patternCells.begin(), marking.patternCells.end(), c.position) ==
            marking.patternCells.end())
            addCell(marking.eliminationCells, c.position);
    std::sort(marking.patternCells.begin(), marking.patternCells.end());
    std::sort(marking.eliminationCells.begin(), marking.eliminationCells.end());
    return marking;
}

Rating rate(const Cells& givens, const LadderOptions& options) {
    Rating rating;
    rating.solution = solveWithLadder(givens, options);
    rating.solved = rating.solution.solved;
    rating.level = rating.solved ? rating.solution.level : Level::Extrem;
    std::vector<std::pair<std::size_t, Technique>> used;
    for (std::size_t i = 0; i < rating.solution.steps.size(); ++i) {
        const Technique t = rating.solution.steps[i].technique;
        if (levelOf(t) > Level::Leicht) used.push_back({rating.solution.rungs[i], t});
    }
    std::sort(used.begin(), used.end());
    for (const auto& [rung, t] : used)
        if (std::find(rating.techniques.begin(), rating.techniques.end(), t) ==
            rating.techniques.end())
            rating.techniques.push_back(t);
    return rating;
}

}  // namespace solver
