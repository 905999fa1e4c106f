// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/checks.h"

#include "screens/assistant/board_snapshot.h"
#include "screens/assistant/wrong_entries.h"
#include "screens/program.h"
#include "solver/explanation.h"
#include "solver/hint_plan.h"

namespace {

const char* const check_title = "Prüfung";

std::string number(int n) {
    return std::to_string(n);
}

// "Zeile R, Spalte C".
std::string cellName(int position) {
    return "Zeile " + number(solver::rowOf(position)) + ", Spalte " +
           number(solver::columnOf(position));
}

// The verdict on givens without exactly one solution.
std::string notOneSolutionText(const solver::Analysis& analysis) {
    if (!analysis.settled)
        return "Die Lösungen des Sudokus konnten nicht gezählt werden: Die Prüfung wurde "
               "abgebrochen, weil sie zu lange dauerte.";
    return analysis.solutions == 0 ? "Das Sudoku hat keine Lösung. Bitte die Vorgabe prüfen."
                                   : "Das Sudoku hat mehr als eine Lösung.";
}

bool oneSolution(const solver::Analysis& analysis) {
    return analysis.settled && analysis.solutions == 1;
}

}  // namespace

void Checks::checkSolvable() {
    const solver::Cells givens = snapshotOf(program_.main).givens;
    const solver::Analysis analysis = solver::analyse(givens);
    if (!oneSolution(analysis)) {
        program_.app.messageBox(notOneSolutionText(analysis), toolkit::information, check_title);
        return;
    }
    // The hardest puzzles take the ladder a second or more: off the
    // user-interface thread, under the busy cursor.
    solver::Rating rating;
    program_.app.platform().runInBackground(
        [&] { rating = solver::rate(givens, {.uniqueSolution = true}); });
    program_.app.messageBox("Das Sudoku hat genau eine Lösung. " + solver::difficultyText(rating),
                            toolkit::information, check_title);
}

bool Checks::reportProblem(const BoardSnapshot& board, const solver::Analysis& analysis,
                           const std::string& title) {
    if (!oneSolution(analysis)) {
        program_.app.messageBox(notOneSolutionText(analysis), toolkit::information, title);
        return true;
    }
    const WrongEntries::Found found = wrongEntries_.find(board, analysis.solution);
    if (found.positions.empty()) return false;
    wrongEntries_.show(found);
    std::string text =
        "Falsche Eingaben: " + number(static_cast<int>(found.positions.size())) + ".";
    if (found.firstMove == 0) {
        // The move record names none of them (a file whose move count was
        // changed): the first in reading order.
        text += " Die erste steht in " + cellName(found.positions.front()) + ".";
    } else {
        const int steps = static_cast<int>(board.moves.size()) - found.firstMove + 1;
        text += " Die erste ist Ihre " + number(found.ownNumber) + ". eigene Eingabe in " +
                cellName(*board.moves[found.firstMove - 1]) + "; nach " + number(steps) +
                (steps == 1 ? " Schritt" : " Schritten") + " zurück ist sie beseitigt.";
    }
    if (!found.removable) {
        program_.app.messageBox(text, toolkit::information, title);
        return true;
    }
    if (program_.app.messageBox(text + " Falsche Eingaben entfernen?",
                                toolkit::yes_no + toolkit::question, title) == toolkit::answer_yes)
        wrongEntries_.removeWrong();
    return true;
}

void Checks::checkEntries() {
    const BoardSnapshot board = snapshotOf(program_.main);
    if (reportProblem(board, solver::analyse(board.givens), check_title)) return;
    int own = 0;
    for (int p = 0; p < 81; ++p)
        if (board.ownEntry(p)) ++own;
    std::string text;
    if (own == 0)
        text = "Es gibt noch keine eigenen Eingaben.";
    else
        text = own == 1 ? "Die eigene Eingabe ist richtig."
                        : "Alle " + number(own) + " eigenen Eingaben sind richtig.";
    program_.app.messageBox(text, toolkit::information, check_title);
}
