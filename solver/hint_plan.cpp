// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/hint_plan.h"

#include <algorithm>
#include <numeric>

namespace solver {

namespace {

// How many steps of one rung the search for a two-step hint tries at most:
// a bound for the rungs that find very many (chains, nets).
constexpr int two_step_budget = 200;

bool sameCandidate(const Candidate& a, const Candidate& b) {
    return a.position == b.position && a.digit == b.digit;
}

bool places(const Step& step, Candidate target) {
    return std::any_of(step.placements.begin(), step.placements.end(),
                       [&](const Candidate& c) { return sameCandidate(c, target); });
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
std::optional<Step> findAgain(const CandidateGrid& grid, std::size_t rung, const Step& wanted) {
    std::optional<Step> found;
    ladder()[rung].find(grid, [&](Step&& step) {
        if (!samePattern(step, wanted)) return false;
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

// Whether the steps, each found again by its rung in the grid the ones
// before it leave, still lead to the target; if so they are replaced by the
// steps as found again (a step may remove more or less than before).
bool replay(const CandidateGrid& start, std::vector<Step>& steps,
            const std::vector<std::size_t>& rungs, Candidate target) {
    CandidateGrid grid = start;
    std::vector<Step> again;
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        std::optional<Step> step = findAgain(grid, rungs[i], steps[i]);
        if (!step) return false;
        grid.apply(*step);
        again.push_back(std::move(*step));
    }
    std::optional<Step> last = placing(grid, rungs.back(), target);
    if (!last) return false;
    again.push_back(std::move(*last));
    steps = std::move(again);
    return true;
}

// Leaves out every step the placement does not need: the hardest first,
// later ones before earlier ones of the same level.
std::vector<Step> needed(const CandidateGrid& start, std::vector<Step> steps,
                         std::vector<std::size_t> rungs) {
    const Candidate target = steps.back().placements.front();
    std::vector<std::size_t> order(steps.size() - 1);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Level la = levelOf(steps[a].technique), lb = levelOf(steps[b].technique);
        return la != lb ? la > lb : a > b;
    });
    // Indices into the original steps of those still kept.
    std::vector<std::size_t> kept(steps.size());
    std::iota(kept.begin(), kept.end(), 0);
    std::vector<Step> current = steps;
    for (std::size_t drop : order) {
        std::vector<std::size_t> trial;
        std::copy_if(kept.begin(), kept.end(), std::back_inserter(trial),
                     [&](std::size_t i) { return i != drop; });
        std::vector<Step> trialSteps;
        std::vector<std::size_t> trialRungs;
        for (std::size_t i : trial) {
            trialSteps.push_back(steps[i]);
            trialRungs.push_back(rungs[i]);
        }
        if (replay(start, trialSteps, trialRungs, target)) {
            kept = std::move(trial);
            current = std::move(trialSteps);
        }
    }
    return current;
}

}  // namespace

std::optional<HintPlan> planHint(const Cells& digits, const LadderOptions& options) {
    const CandidateGrid start(digits);
    if (start.complete()) return std::nullopt;
    if (std::optional<Step> single = firstSingle(start)) return planOf({std::move(*single)});
    // The ladder's own way, carried on from level to level: at each level
    // it takes up where the lower one got stuck.
    CandidateGrid walked = start;
    std::vector<Step> steps;
    std::vector<std::size_t> rungs;
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
            steps.push_back(std::move(*step));
            rungs.push_back(rung);
            if (placed) return planOf(needed(start, std::move(steps), std::move(rungs)));
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
