// SPDX-License-Identifier: GPL-3.0-or-later
// Forcing chains and forcing nets. A premise (a digit in a cell) is followed
// on a copy of the grid: a placed digit removes itself from its peers and the
// other digits of its cell; a cell with one candidate left, or a digit with
// one place left in a unit, is placed. Every fact records the facts it
// follows from, so that each branch is an argument a reader can check.
//
// In a forcing chain every fact follows from one other fact (the digit of a
// cell with two candidates, the place of a digit with two places in a unit);
// a forcing net uses every single, however many facts it rests on.
//
// A cell forcing chain tries every candidate of one cell, a unit forcing
// chain every place of a digit in one unit: what follows in every branch is
// true. A branch that ends in a contradiction (a cell without a candidate, a
// digit without a place in a unit) is impossible and drops out; a premise
// that leads to a contradiction alone is false.
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "solver/techniques.h"
#include "solver/techniques/step_parts.h"

namespace solver::techniques {

namespace {

// Where a cell stands in each of its units.
struct UnitPlace {
    std::array<int, 3> unit;
    std::array<int, 3> index;
};
constexpr std::array<UnitPlace, 81> makeUnitPlaces() {
    std::array<UnitPlace, 81> table{};
    for (int u = 0; u < 27; ++u)
        for (int i = 0; i < 9; ++i) {
            const int p = unitCells(u)[i];
            table[p].unit[u / 9] = u;
            table[p].index[u / 9] = i;
        }
    return table;
}
constexpr auto unit_places = makeUnitPlaces();

constexpr int max_facts = 1024;
using FactSet = BitSet<max_facts>;

class Propagation {
  public:
    struct Fact {
        std::int16_t candidate;
        bool on;
        int reasonsBegin, reasonsEnd;
    };
    // A cell without a candidate (digit 0), or a digit without a place in
    // a unit.
    struct Contradiction {
        int position = -1;
        int unit = -1;
        int digit = 0;
        int reasonsBegin = 0, reasonsEnd = 0;
    };

    Propagation(const CandidateGrid& grid, bool nets) : nets_(nets) {
        for (int p = 0; p < 81; ++p) {
            base_[p] = grid.candidates(p);
            placed_[p] = static_cast<std::int8_t>(grid.digit(p));
        }
        for (int u = 0; u < 27; ++u) {
            baseUnitDigits_[u] = 0;
            for (int d = 1; d <= 9; ++d) basePlaces_[u][d] = grid.places(u, d);
            for (int p : unitCells(u))
                if (grid.digit(p)) baseUnitDigits_[u] |= digitBit(grid.digit(p));
        }
        facts_.reserve(max_facts);
        reasons_.reserve(4 * max_facts);
    }

    // Follows the premise that a candidate is true; false on a contradiction.
    bool assume(int candidate) {
        candidates_ = base_;
        digits_ = placed_;
        places_ = basePlaces_;
        unitDigits_ = baseUnitDigits_;
        facts_.clear();
        reasons_.clear();
        on_.clear();
        off_.clear();
        contradiction_.reset();
        place(candidate);
        for (std::size_t next = 0; next < facts_.size() && !contradiction_; ++next)
            if (!facts_[next].on) follow(static_cast<int>(next));
        return !contradiction_;
    }

    const CandidateSet& trueSet() const { return on_; }
    const CandidateSet& falseSet() const { return off_; }
    const std::optional<Contradiction>& contradiction() const { return contradiction_; }
    const std::vector<Fact>& facts() const { return facts_; }
    // The fact that made a candidate true or false.
    int factOf(int candidate) const { return factOf_[candidate]; }

    // The facts that the given facts rest on (themselves included), and the
    // facts a contradiction rests on when target is -1.
    FactSet ancestors(int target) const {
        FactSet marked;
        int last = target;
        if (target < 0) {
            for (int r = contradiction_->reasonsBegin; r < contradiction_->reasonsEnd; ++r)
                marked.set(reasons_[r]);
            last = static_cast<int>(facts_.size()) - 1;
        } else {
            marked.set(target);
        }
        for (int f = last; f >= 0; --f)
            if (marked.test(f))
                for (int r = facts_[f].reasonsBegin; r < facts_[f].reasonsEnd; ++r)
                    marked.set(reasons_[r]);
        return marked;
    }

    // The facts of a set in the order they were found, as a chain; a
    // contradiction, if the branch has one and asked for, at its end.
    Chain chain(const FactSet& facts, bool withContradiction) const {
        Chain result;
        facts.forEach([&](int f) {
            const int c = facts_[f].candidate;
            result.push_back({{positionOfCandidate(c)}, digitOfCandidate(c), facts_[f].on});
        });
        if (withContradiction && contradiction_) {
            if (contradiction_->position >= 0) {
                result.push_back({{contradiction_->position}, 0, false});
            } else {
                const auto& cells = unitCells(contradiction_->unit);
                result.push_back({{cells.begin(), cells.end()}, contradiction_->digit, false});
            }
        }
        return result;
    }

  private:
    bool nets_;
    std::array<DigitSet, 81> base_{}, candidates_{};
    std::array<std::int8_t, 81> placed_{}, digits_{};
    std::array<std::array<std::uint16_t, 10>, 27> basePlaces_{}, places_{};
    std::array<DigitSet, 27> baseUnitDigits_{}, unitDigits_{};
    std::array<std::int16_t, candidate_count> factOf_{};
    std::vector<Fact> facts_;
    std::vector<std::int16_t> reasons_;
    CandidateSet on_, off_;
    std::optional<Contradiction> contradiction_;

    int record(int candidate, bool on, std::initializer_list<int> reasons) {
        const int begin = static_cast<int>(reasons_.size());
        for (int r : reasons) reasons_.push_back(static_cast<std::int16_t>(r));
        return addFact(candidate, on, begin);
    }
    int addFact(int candidate, bool on, int reasonsBegin) {
        const int index = static_cast<int>(facts_.size());
        facts_.push_back({static_cast<std::int16_t>(candidate), on, reasonsBegin,
                          static_cast<int>(reasons_.size())});
        factOf_[candidate] = static_cast<std::int16_t>(index);
        (on ? on_ : off_).set(candidate);
        return index;
    }

    void eliminate(int p, int d, int reason) {
        if (!(candidates_[p] & digitBit(d))) return;
        candidates_[p] &= static_cast<DigitSet>(~digitBit(d));
        for (int k = 0; k < 3; ++k)
            places_[unit_places[p].unit[k]][d] &=
                static_cast<std::uint16_t>(~(1u << unit_places[p].index[k]));
        record(candidateIndex(p, d), false, {reason});
    }

    // Places a candidate: the premise (no reasons) or a single whose reasons
    // are already recorded from reasonsBegin on.
    void place(int candidate, int reasonsBegin = -1) {
        const int p = positionOfCandidate(candidate), d = digitOfCandidate(candidate);
        const int fact =
            reasonsBegin < 0 ? record(candidate, true, {}) : addFact(candidate, true, reasonsBegin);
        digits_[p] = static_cast<std::int8_t>(d);
        for (int k = 0; k < 3; ++k) unitDigits_[unit_places[p].unit[k]] |= digitBit(d);
        for (int e = 1; e <= 9; ++e)
            if (e != d) eliminate(p, e, fact);
        for (int q : peers(p)) eliminate(q, d, fact);
    }

    void contradict(int position, int unit, int digit, int reasonsBegin) {
        contradiction_ =
            Contradiction{position, unit, digit, reasonsBegin, static_cast<int>(reasons_.size())};
    }

    // The consequences of a candidate having gone: a single in its cell or
    // in one of its units, or a contradiction.
    void follow(int fact) {
        const int c = facts_[fact].candidate;
        const int p = positionOfCandidate(c), d = digitOfCandidate(c);
        if (!digits_[p]) {
            const DigitSet left = candidates_[p];
            const int begin = static_cast<int>(reasons_.size());
            if (!left) {
                for (int e = 1; e <= 9; ++e)
                    if (base_[p] & digitBit(e)) reasons_.push_back(factOf_[candidateIndex(p, e)]);
                return contradict(p, -1, 0, begin);
            }
            if (singleBit(left)) {
                const int last = std::countr_zero(static_cast<unsigned>(left));
                if (nets_) {
                    for (int e = 1; e <= 9; ++e)
                        if (e != last && (base_[p] & digitBit(e)))
                            reasons_.push_back(factOf_[candidateIndex(p, e)]);
                    place(candidateIndex(p, last), begin);
                } else if (bitCount(static_cast<unsigned>(base_[p])) == 2) {
                    reasons_.push_back(static_cast<std::int16_t>(fact));
                    place(candidateIndex(p, last), begin);
                }
            }
        }
        for (int k = 0; k < 3 && !contradiction_; ++k) {
            const int u = unit_places[p].unit[k];
            if (unitDigits_[u] & digitBit(d)) continue;
            const std::uint16_t left = places_[u][d];
            const auto& cells = unitCells(u);
            const int begin = static_cast<int>(reasons_.size());
            if (!left) {
                for (int i = 0; i < 9; ++i)
                    if (basePlaces_[u][d] >> i & 1)
                        reasons_.push_back(factOf_[candidateIndex(cells[i], d)]);
                return contradict(-1, u, d, begin);
            }
            if (!singleBit(left)) continue;
            const int last = std::countr_zero(static_cast<unsigned>(left));
            if (nets_) {
                for (int i = 0; i < 9; ++i)
                    if (i != last && (basePlaces_[u][d] >> i & 1))
                        reasons_.push_back(factOf_[candidateIndex(cells[i], d)]);
                place(candidateIndex(cells[last], d), begin);
            } else if (bitCount(basePlaces_[u][d]) == 2) {
                reasons_.push_back(static_cast<std::int16_t>(fact));
                place(candidateIndex(cells[last], d), begin);
            }
        }
    }
};

// What one premise leads to.
struct Outcome {
    CandidateSet on, off;
    bool contradiction = false;
};

// What every candidate of a grid leads to as a premise. Kept for the last
// grid asked about, once for chains and once for nets: the two forcing chain
// finders follow the same premises, and the hint asks a finder about the
// same grid more than once.
const std::array<Outcome, candidate_count>& outcomesOf(const CandidateGrid& grid, bool nets,
                                                       Propagation& propagation) {
    struct Cache {
        CandidateGrid grid;
        std::array<Outcome, candidate_count> outcomes;
    };
    thread_local std::array<std::unique_ptr<Cache>, 2> caches;
    std::unique_ptr<Cache>& cache = caches[nets];
    if (cache && cache->grid == grid) return cache->outcomes;
    if (!cache) cache = std::make_unique<Cache>();
    cache->grid = grid;
    for (int p = 0; p < 81; ++p)
        for (int d = 1; d <= 9; ++d) {
            Outcome& outcome = cache->outcomes[candidateIndex(p, d)];
            if (!grid.has(p, d)) {
                outcome = {};
                continue;
            }
            propagation.assume(candidateIndex(p, d));
            outcome = {propagation.trueSet(), propagation.falseSet(),
                       propagation.contradiction().has_value()};
        }
    return cache->outcomes;
}

struct Found {
    int cost;
    int order;
    Step step;
};

class ForcingSearch {
  public:
    ForcingSearch(const CandidateGrid& grid, bool nets, Technique technique)
        : grid_(grid),
          nets_(nets),
          technique_(technique),
          propagation_(grid, nets),
          outcomes_(outcomesOf(grid, nets, propagation_)) {
        for (int p = 0; p < 81; ++p)
            for (int d = 1; d <= 9; ++d)
                if (grid.has(p, d)) present_.set(candidateIndex(p, d));
    }

    // Contradictions: every premise that cannot be true.
    void addContradictions() {
        present_.forEach([&](int c) {
            if (!outcomes_[c].contradiction) return;
            propagation_.assume(c);
            Step step = baseStep({c}, -1);
            step.eliminations = {{positionOfCandidate(c), digitOfCandidate(c)}};
            const FactSet facts = propagation_.ancestors(-1);
            step.chains = {propagation_.chain(facts, true)};
            found_.push_back({facts.count(), c, std::move(step)});
        });
    }

    void addCells() {
        for (int p = 0; p < 81; ++p) {
            if (grid_.candidateCount(p) < 2) continue;
            std::vector<int> premises;
            for (int d = 1; d <= 9; ++d)
                if (grid_.has(p, d)) premises.push_back(candidateIndex(p, d));
            addSource(premises, -1, 1000 + p);
        }
    }

    void addUnits() {
        for (int u = 0; u < 27; ++u)
            for (int d = 1; d <= 9; ++d) {
                const std::uint16_t places = grid_.places(u, d);
                if (bitCount(places) < 2) continue;
                std::vector<int> premises;
                for (int i = 0; i < 9; ++i)
                    if (places >> i & 1) premises.push_back(candidateIndex(unitCells(u)[i], d));
                addSource(premises, u, 2000 + u * 9 + d);
            }
    }

    bool emit(const StepSink& sink) {
        // Placements first, then the steps that rest on the fewest facts.
        std::stable_sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
            if (a.step.placements.empty() != b.step.placements.empty())
                return b.step.placements.empty();
            return a.cost != b.cost ? a.cost < b.cost : a.order < b.order;
        });
        std::vector<Found> found = std::move(found_);
        found_.clear();
        for (Found& each : found)
            if (sink(std::move(each.step))) return true;
        return false;
    }

  private:
    const CandidateGrid& grid_;
    const bool nets_;
    const Technique technique_;
    Propagation propagation_;
    CandidateSet present_;
    const std::array<Outcome, candidate_count>& outcomes_;
    std::vector<Found> found_;

    Step baseStep(const std::vector<int>& premises, int unit) const {
        Step step;
        step.technique = technique_;
        if (unit >= 0) step.units = {unitAt(unit)};
        for (int c : premises)
            step.pattern.push_back({positionOfCandidate(c), digitOfCandidate(c)});
        return step;
    }

    void addSource(const std::vector<int>& premises, int unit, int order) {
        // What every possible branch leads to; impossible branches drop out.
        // A chain has no room for a contradiction; a net drops the branch.
        std::optional<CandidateSet> on, off;
        for (int c : premises) {
            const Outcome& outcome = outcomes_[c];
            if (outcome.contradiction) {
                if (!nets_) return;
                continue;
            }
            on = on ? *on & outcome.on : outcome.on;
            off = off ? *off & outcome.off : outcome.off;
        }
        if (!on) return;
        // That one premise excludes the others is no news.
        for (int c : premises) off->reset(c);
        if (!(on->any() || off->any())) return;
        // Each branch again, with its facts, to find the conclusion that
        // rests on the fewest of them.
        std::vector<Propagation> branches;
        branches.reserve(premises.size());
        for (int c : premises) {
            branches.push_back(propagation_);
            branches.back().assume(c);
        }
        int best = -1, bestCost = 0;
        std::vector<FactSet> bestFacts;
        const auto costOf = [&](int conclusion, std::vector<FactSet>& facts) {
            int cost = 0;
            facts.clear();
            for (const Propagation& branch : branches) {
                facts.push_back(
                    branch.ancestors(branch.contradiction() ? -1 : branch.factOf(conclusion)));
                cost += facts.back().count();
            }
            return cost;
        };
        // A placement if there is one: it helps more than any elimination.
        std::vector<FactSet> facts;
        for (const CandidateSet* set : {&*on, &*off})
            set->forEach([&](int c) {
                if (set == &*off && best >= 0 && on->test(best)) return;
                const int cost = costOf(c, facts);
                if (best < 0 || cost < bestCost) {
                    best = c;
                    bestCost = cost;
                    bestFacts = facts;
                }
            });
        Step step = baseStep(premises, unit);
        std::vector<int> conclusions{best};
        // A net also takes every other conclusion that rests on nothing more.
        if (nets_)
            for (const CandidateSet* set : {&*on, &*off})
                set->forEach([&](int c) {
                    if (c == best) return;
                    costOf(c, facts);
                    for (std::size_t b = 0; b < facts.size(); ++b)
                        if (!facts[b].subsetOf(bestFacts[b])) return;
                    conclusions.push_back(c);
                });
        for (int c : conclusions) {
            const Candidate candidate{positionOfCandidate(c), digitOfCandidate(c)};
            (on->test(c) ? step.placements : step.eliminations).push_back(candidate);
        }
        dropImplied(step);
        for (std::size_t b = 0; b < branches.size(); ++b)
            step.chains.push_back(branches[b].chain(bestFacts[b], true));
        completeStep(step);
        found_.push_back({bestCost, order, std::move(step)});
    }

    // Eliminations that a placement of the same step already makes.
    static void dropImplied(Step& step) {
        std::erase_if(step.eliminations, [&](const Candidate& e) {
            return std::any_of(step.placements.begin(), step.placements.end(),
                               [&](const Candidate& p) {
                                   return e.position == p.position ||
                                          (e.digit == p.digit && sees(e.position, p.position));
                               });
        });
    }
};

}  // namespace

bool cellForcingChain(const CandidateGrid& grid, const StepSink& sink) {
    ForcingSearch search(grid, false, Technique::CellForcingChain);
    search.addCells();
    return search.emit(sink);
}

bool unitForcingChain(const CandidateGrid& grid, const StepSink& sink) {
    ForcingSearch search(grid, false, Technique::UnitForcingChain);
    search.addUnits();
    return search.emit(sink);
}

bool forcingNet(const CandidateGrid& grid, const StepSink& sink) {
    // A single premise that fails is the simplest net: those first.
    ForcingSearch search(grid, true, Technique::ForcingNet);
    search.addContradictions();
    if (search.emit(sink)) return true;
    search.addCells();
    search.addUnits();
    return search.emit(sink);
}

}  // namespace solver::techniques
