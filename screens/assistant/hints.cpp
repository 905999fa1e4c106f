// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/hints.h"

#include <optional>

#include "screens/assistant/board_snapshot.h"
#include "screens/program.h"
#include "solver/candidate_grid.h"
#include "solver/ladder.h"

namespace {

std::string number(int n) {
    return std::to_string(n);
}

// The text of a single (the only steps of the lowest level).
std::string singleText(const solver::Step& step) {
    const solver::Candidate placed = step.placements.front();
    const std::string r = number(solver::rowOf(placed.position));
    const std::string c = number(solver::columnOf(placed.position));
    const std::string d = number(placed.digit);
    if (step.technique == solver::Technique::NakedSingle)
        return "In Zeile " + r + ", Spalte " + c + " ist nur noch die " + d + " möglich.";
    const solver::Unit unit = step.units.front();
    switch (unit.kind) {
        case solver::UnitKind::Row:
            return "In Zeile " + r + " kann die " + d + " nur in Spalte " + c + " stehen.";
        case solver::UnitKind::Column:
            return "In Spalte " + c + " kann die " + d + " nur in Zeile " + r + " stehen.";
        case solver::UnitKind::Square:
            break;
    }
    return "Im Quadrat " + number(unit.number) + " kann die " + d + " nur in Zeile " + r +
           ", Spalte " + c + " stehen.";
}

// What the hint says, and the cell it names.
struct Hint {
    std::string text;
    std::optional<int> cell;
};

Hint hintFor(const solver::CandidateGrid& grid) {
    // An empty cell without any candidate comes first: no step can help.
    for (int p = 0; p < 81; ++p)
        if (grid.empty(p) && grid.candidates(p) == 0)
            return {"In Zeile " + number(solver::rowOf(p)) + ", Spalte " +
                        number(solver::columnOf(p)) +
                        " ist keine Ziffer mehr möglich. Ein Eintrag davor ist falsch.",
                    p};
    if (grid.complete()) return {"Das Sudoku ist vollständig ausgefüllt.", std::nullopt};
    if (const auto step = solver::nextStep(grid, {.highest = solver::Level::Leicht}))
        return {singleText(*step), step->placements.front().position};
    return {"Kein einfacher nächster Schritt gefunden.", std::nullopt};
}

}  // namespace

void Hints::show() {
    const Hint hint = hintFor(solver::CandidateGrid(snapshotOf(program_.main).digits));
    program_.app.messageBox(hint.text, toolkit::information, "Hinweis");
    if (hint.cell && !program_.app.ended()) focusBoardCell(program_.main, *hint.cell);
}
