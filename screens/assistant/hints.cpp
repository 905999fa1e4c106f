// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/hints.h"

#include <algorithm>
#include <map>

#include "screens/assistant/board_marks.h"
#include "screens/assistant/board_snapshot.h"
#include "screens/assistant/checks.h"
#include "screens/program.h"
#include "solver/explanation.h"

using solver::cellNumber;
using toolkit::Decoration;
using toolkit::DigitMark;
using toolkit::ElementMark;

namespace {

const char* const hint_title = "Hinweis";

// How the board shows a hint: three marks that differ in shape, not only
// in colour, on every square colour.
constexpr ElementMark target_mark = ElementMark::Frame;
constexpr ElementMark losing_mark = ElementMark::Hatched;
constexpr ElementMark pattern_mark = ElementMark::Corners;

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

}  // namespace

void Hints::show() {
    const BoardSnapshot board = snapshotOf(program_.main);
    const solver::Analysis analysis = solver::analyse(board.givens);
    if (checks_.reportProblem(board, analysis, hint_title)) {
        outlined_.reset();
        return;
    }
    if (board.digits == analysis.solution) {
        outlined_.reset();
        program_.app.messageBox("Das Sudoku ist vollständig ausgefüllt.", toolkit::information,
                                hint_title);
        return;
    }
    const bool again =
        outlined_ && outlined_->digits == board.digits && outlined_->givens == board.givens;
    std::optional<solver::HintPlan> plan;
    if (again) {
        plan = outlined_->plan;
    } else {
        // A single is found at once; the way to any other placement can take
        // the ladder a good part of a second: off the user-interface thread,
        // under the busy cursor.
        solver::LadderOptions options{.uniqueSolution = true, .highest = solver::Level::Leicht};
        plan = solver::planHint(board.digits, options);
        if (!plan) {
            options.highest = solver::Level::Extrem;
            program_.app.platform().runInBackground(
                [&] { plan = solver::planHint(board.digits, options); });
        }
    }
    if (!plan) {
        outlined_.reset();
        program_.app.messageBox("Kein logischer nächster Schritt gefunden.", toolkit::information,
                                hint_title);
        return;
    }
    std::string text;
    if (plan->level == solver::Level::Leicht) {
        outlined_.reset();
        text = singleText(plan->steps.front());
    } else if (again) {
        text = solver::hintReasoning(*plan);
    } else {
        outlined_ = Outlined{board.digits, board.givens, *plan};
        text = solver::hintOutline(*plan);
    }
    mark(*plan);
    program_.app.messageBox(text, toolkit::information, hint_title);
    if (!program_.app.ended()) focusBoardCell(program_.main, plan->target.position);
}

void Hints::mark(const solver::HintPlan& plan) {
    solver::HintMarking marking = solver::markingOf(plan);
    // A digit both in a pattern and removed is struck: it is gone at the end.
    std::erase_if(marking.pattern, [&](const solver::Candidate& c) {
        return std::find(marking.eliminated.begin(), marking.eliminated.end(), c) !=
               marking.eliminated.end();
    });
    frm_sudoku_main& main = program_.main;
    BoardMarks::Marks marks;
    const auto markCells = [&](const std::vector<int>& positions, ElementMark mark) {
        for (int p : positions)
            marks.emplace_back(&main.txt_m(cellNumber(p)), Decoration{mark, {}});
    };
    markCells({marking.target}, target_mark);
    markCells(marking.eliminationCells, losing_mark);
    markCells(marking.patternCells, pattern_mark);
    std::map<int, Decoration> pads;
    for (const solver::Candidate& c : marking.pattern)
        pads[c.position].digits[static_cast<std::size_t>(c.digit)] = DigitMark::Marked;
    for (const solver::Candidate& c : marking.eliminated)
        pads[c.position].digits[static_cast<std::size_t>(c.digit)] = DigitMark::Struck;
    for (const auto& [p, decoration] : pads)
        marks.emplace_back(&main.txt_c(cellNumber(p)), decoration);
    marks_.showPassing(marks);
    if (onMarking) onMarking(marking);
}
