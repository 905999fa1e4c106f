// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/checks.h"

#include "screens/assistant/board_snapshot.h"
#include "screens/assistant/difficulty_names.h"
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
        int first = 0, position = -1;
        for (int m = 1; m <= static_cast<int>(board.moves.size()) && first == 0; ++m) {
            const std::optional<int> p = board.moves[m - 1];
            if (p && wrong(*p)) {
                first = m;
                position = *p;
            }
        }
        text = "Falsche Eingaben: " + number(wrongCount) + ".";
        if (first == 0) {
            // The move record names none of them (a file whose move count
            // was changed): the first in reading order.
            for (int p = 0; p < 81 && position < 0; ++p)
                if (wrong(p)) position = p;
            text += " Die erste steht in " + cellName(position) + ".";
        } else {
            const int steps = static_cast<int>(board.moves.size()) - first + 1;
            text += " Die erste ist Zug " + number(first) + " in " + cellName(position) +
                    "; nach " + number(steps) + (steps == 1 ? " Schritt" : " Schritten") +
                    " zurück ist sie beseitigt.";
        }
    }
    program_.app.messageBox(text, toolkit::information, check_title);
}
