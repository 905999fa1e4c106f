// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/checks.h"

#include "screens/assistant/board_snapshot.h"
#include "screens/assistant/difficulty_names.h"
#include "screens/assistant/wrong_entries.h"
#include "screens/program.h"

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

}  // namespace

std::string Checks::solvabilityText(const solver::Analysis& analysis) {
    if (!analysis.settled)
        return "Die Lösungen des Sudokus konnten nicht gezählt werden: Die Prüfung wurde "
               "abgebrochen, weil sie zu lange dauerte.";
    switch (analysis.solutions) {
        case 0:
            return "Das Sudoku hat keine Lösung. Bitte die Vorgabe prüfen.";
        case 1:
            return "Das Sudoku hat genau eine Lösung. Schwierigkeit: " +
                   std::string(difficultyName(analysis.difficulty)) + ".";
        default:
            return "Das Sudoku hat mehr als eine Lösung.";
    }
}

void Checks::checkSolvable() {
    program_.app.messageBox(solvabilityText(solver::analyse(snapshotOf(program_.main).givens)),
                            toolkit::information, check_title);
}

void Checks::checkEntries() {
    const BoardSnapshot board = snapshotOf(program_.main);
    const solver::Analysis analysis = solver::analyse(board.givens);
    if (!analysis.settled || analysis.solutions != 1) {
        program_.app.messageBox(solvabilityText(analysis), toolkit::information, check_title);
        return;
    }
    const auto wrong = [&](int p) {
        return board.ownEntry(p) && board.digits[p] != analysis.solution[p];
    };
    int own = 0, wrongCount = 0;
    for (int p = 0; p < 81; ++p) {
        if (!board.ownEntry(p)) continue;
        ++own;
        if (wrong(p)) ++wrongCount;
    }
    std::string text;
    if (own == 0) {
        text = "Es gibt noch keine eigenen Eingaben.";
    } else if (wrongCount == 0) {
        text = own == 1 ? "Die eigene Eingabe ist richtig."
                        : "Alle " + number(own) + " eigenen Eingaben sind richtig.";
    } else {
        const WrongEntries::Found found = wrongEntries_.find(board, analysis.solution);
        wrongEntries_.show(found);
        text = "Falsche Eingaben: " + number(wrongCount) + ".";
        if (found.firstMove == 0) {
            // The move record names none of them (a file whose move count
            // was changed): the first in reading order.
            text += " Die erste steht in " + cellName(found.positions.front()) + ".";
        } else {
            const int steps = static_cast<int>(board.moves.size()) - found.firstMove + 1;
            text += " Die erste ist Ihre " + number(found.ownNumber) + ". eigene Eingabe in " +
                    cellName(*board.moves[found.firstMove - 1]) + "; nach " + number(steps) +
                    (steps == 1 ? " Schritt" : " Schritten") + " zurück ist sie beseitigt.";
        }
        if (found.removable) {
            if (program_.app.messageBox(text + " Falsche Eingaben entfernen?",
                                        toolkit::yes_no + toolkit::question,
                                        check_title) == toolkit::answer_yes)
                wrongEntries_.removeWrong();
            return;
        }
    }
    program_.app.messageBox(text, toolkit::information, check_title);
}
