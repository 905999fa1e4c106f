// SPDX-License-Identifier: GPL-3.0-or-later
// Sue de Coq: two or three open cells C where a square meets a row or column,
// with at least two candidates more than cells; cells D of the line outside
// the square and cells E of the square outside the line, D and E without a
// common candidate, such that C, D and E together have exactly as many
// candidates as cells. Then every one of those digits stands exactly once in
// C, D and E: a digit that E lacks stands in the line, one that D lacks in
// the square, and neither holds it elsewhere.
#include <algorithm>
#include <vector>

#include "solver/techniques.h"
#include "solver/techniques/link_graph.h"
#include "solver/techniques/step_parts.h"

namespace solver::techniques {

namespace {

struct Choice {
    int size;
    int line, square;
    CellSet cells;  // C, D and E
    std::vector<Candidate> eliminations;
};

// The open cells of a set that share a candidate with the digits given.
std::vector<int> helpers(const CandidateGrid& grid, CellSet cells, DigitSet digits) {
    std::vector<int> result;
    cells.forEach([&](int p) {
        if (grid.empty(p) && (grid.candidates(p) & digits)) result.push_back(p);
    });
    return result;
}

void addChoices(const CandidateGrid& grid, int line, int square, CellSet core,
                std::vector<Choice>& choices) {
    DigitSet coreDigits = 0;
    core.forEach([&](int p) { coreDigits |= grid.candidates(p); });
    const int coreSize = core.count();
    if (digitCount(coreDigits) < coreSize + 2) return;
    const CellSet lineRest = unitSet(line).without(unitSet(square));
    const CellSet squareRest = unitSet(square).without(unitSet(line));
    const std::vector<int> lineCells = helpers(grid, lineRest, coreDigits);
    const std::vector<int> squareCells = helpers(grid, squareRest, coreDigits);
    const auto subsetDigits = [&](const std::vector<int>& cells) {
        std::vector<DigitSet> digits(1u << cells.size(), 0);
        for (unsigned subset = 1; subset < digits.size(); ++subset)
            digits[subset] =
                digits[subset & (subset - 1)] | grid.candidates(cells[std::countr_zero(subset)]);
        return digits;
    };
    const std::vector<DigitSet> lineSubsets = subsetDigits(lineCells);
    const std::vector<DigitSet> squareSubsets = subsetDigits(squareCells);
    for (unsigned d = 1; d < lineSubsets.size(); ++d) {
        const DigitSet lineDigits = lineSubsets[d];
        // Even all of E could not give the digits of C and D enough cells.
        if (digitCount(coreDigits | lineDigits) >
            coreSize + bitCount(d) + static_cast<int>(squareCells.size()))
            continue;
        for (unsigned e = 1; e < squareSubsets.size(); ++e) {
            const DigitSet squareDigits = squareSubsets[e];
            if (lineDigits & squareDigits) continue;
            const int cells = coreSize + bitCount(d) + bitCount(e);
            if (digitCount(coreDigits | lineDigits | squareDigits) != cells) continue;
            Choice choice{cells, line, square, core, {}};
            for (std::size_t i = 0; i < lineCells.size(); ++i)
                if (d >> i & 1) choice.cells.add(lineCells[i]);
            for (std::size_t i = 0; i < squareCells.size(); ++i)
                if (e >> i & 1) choice.cells.add(squareCells[i]);
            const DigitSet lineOnly =
                (coreDigits | lineDigits) & static_cast<DigitSet>(~squareDigits);
            const DigitSet squareOnly =
                (coreDigits | squareDigits) & static_cast<DigitSet>(~lineDigits);
            for (const auto& [unit, unitDigits] :
                 {std::pair{line, lineOnly}, {square, squareOnly}}) {
                // A lambda may not capture a structured binding in C++20
                // (clang refuses it): capture a copy.
                const DigitSet digits = unitDigits;
                unitSet(unit).without(choice.cells).forEach([&](int p) {
                    for (int digit = 1; digit <= 9; ++digit)
                        if ((digits & digitBit(digit)) && grid.has(p, digit))
                            choice.eliminations.push_back({p, digit});
                });
            }
            if (!choice.eliminations.empty()) choices.push_back(std::move(choice));
        }
    }
}

}  // namespace

bool sueDeCoq(const CandidateGrid& grid, const StepSink& sink) {
    std::vector<Choice> choices;
    for (int square = 18; square < 27; ++square)
        for (int line = 0; line < 18; ++line) {
            CellSet open;
            (unitSet(line) & unitSet(square)).forEach([&](int p) {
                if (grid.empty(p)) open.add(p);
            });
            if (open.count() < 2) continue;
            // The two or three open cells, or two of three.
            std::vector<int> cells;
            open.forEach([&](int p) { cells.push_back(p); });
            addChoices(grid, line, square, open, choices);
            if (cells.size() == 3)
                for (int skip = 0; skip < 3; ++skip) {
                    CellSet pair = open;
                    pair.remove(cells[skip]);
                    addChoices(grid, line, square, pair, choices);
                }
        }
    std::stable_sort(choices.begin(), choices.end(),
                     [](const Choice& a, const Choice& b) { return a.size < b.size; });
    for (Choice& choice : choices) {
        Step step;
        step.technique = Technique::SueDeCoq;
        step.units = {unitAt(choice.line), unitAt(choice.square)};
        choice.cells.forEach([&](int p) {
            for (int digit = 1; digit <= 9; ++digit)
                if (grid.has(p, digit)) step.pattern.push_back({p, digit});
        });
        step.eliminations = std::move(choice.eliminations);
        completeStep(step);
        if (sink(std::move(step))) return true;
    }
    return false;
}

}  // namespace solver::techniques
