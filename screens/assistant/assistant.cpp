// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/assistant.h"

#include <algorithm>

#include "screens/program.h"
#include "solver/hint.h"
#include "solver/puzzle_text.h"

using solver::Cells;
using solver::Difficulty;
using solver::UnitKind;

namespace {

const char* const attention = "Achtung!";
const char* const check_title = "Prüfung";

std::string number(int n) {
    return std::to_string(n);
}

}  // namespace

Assistant::Assistant(Program& program) : program_(program), commands_(commandList()) {
    commands_.handleChords(program_.main);
    commands_.handleChords(program_.druck);
    std::vector<toolkit::Element*> cells;
    for (int k = 1; k <= 81; ++k) cells.push_back(&program_.main.txt_m(k));
    commands_.showMenu(MenuPlace::BoardCell, cells);
    commands_.showMenu(MenuPlace::PrintGrid, {&program_.druck.flx_print});
}

std::vector<Command> Assistant::commandList() {
    frm_sudoku_main* main = &program_.main;
    frm_sudoku_druck* druck = &program_.druck;
    // Today's shortcuts of the main screen act on a board cell only.
    const auto onBoardCell = [this](const CommandTarget& target) {
        return boardPosition(target).has_value();
    };
    const auto move = [this](int rowStep, int columnStep) {
        return [this, rowStep, columnStep](const CommandTarget& target) {
            moveFocus(*boardPosition(target), rowStep, columnStep);
        };
    };
    std::vector<Command> list{
        {"", main, chords({"Left"}), MenuPlace::None, "", false, onBoardCell, move(0, -1)},
        {"", main, chords({"Right"}), MenuPlace::None, "", false, onBoardCell, move(0, 1)},
        {"", main, chords({"Up"}), MenuPlace::None, "", false, onBoardCell, move(-1, 0)},
        {"", main, chords({"Down"}), MenuPlace::None, "", false, onBoardCell, move(1, 0)},
        {"Sudoku einfügen", main, chords({"Ctrl+V", "Shift+Insert"}), MenuPlace::BoardCell, "",
         false, onBoardCell, [this](const CommandTarget&) { pastePuzzle(); }},
    };
    for (Difficulty d :
         {Difficulty::Simple, Difficulty::Easy, Difficulty::Intermediate, Difficulty::Expert})
        list.push_back({std::string(solver::difficultyName(d)),
                        main,
                        {},
                        MenuPlace::BoardCell,
                        "Neues Sudoku",
                        false,
                        onBoardCell,
                        [this, d](const CommandTarget&) { newPuzzle(d); }});
    list.insert(list.end(),
                {
                    {"Lösbarkeit prüfen",
                     main,
                     {},
                     MenuPlace::BoardCell,
                     "",
                     true,
                     onBoardCell,
                     [this](const CommandTarget&) { checkSolvable(); }},
                    {"Eingaben prüfen", main, chords({"Ctrl+E"}), MenuPlace::BoardCell, "", false,
                     onBoardCell, [this](const CommandTarget&) { checkEntries(); }},
                    {"Hinweis", main, chords({"Ctrl+H"}), MenuPlace::BoardCell, "", false,
                     onBoardCell, [this](const CommandTarget&) { showHint(); }},
                    // Whichever element of the print screen has the focus.
                    {"Als PDF speichern…", druck, chords({"Ctrl+S"}), MenuPlace::PrintGrid, "",
                     false, nullptr, [this](const CommandTarget&) { savePdf(); }},
                });
    return list;
}

std::optional<int> Assistant::boardPosition(const CommandTarget& target) const {
    const frm_sudoku_main& main = program_.main;
    for (int k = 1; k <= 81; ++k)
        if (target.element == &main.txt_m(k)) return solver::positionOfCell(k);
    return std::nullopt;
}

void Assistant::moveFocus(int position, int rowStep, int columnStep) {
    const int row = (solver::rowOf(position) - 1 + rowStep + 9) % 9 + 1;
    const int column = (solver::columnOf(position) - 1 + columnStep + 9) % 9 + 1;
    focusCell(solver::positionAt(row, column));
}

Cells Assistant::boardDigits() const {
    Cells cells{};
    for (int p = 0; p < 81; ++p) {
        const std::string& text = program_.main.txt_m(p + 1).text();
        if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') cells[p] = text[0] - '0';
    }
    return cells;
}

Cells Assistant::givens() const {
    Cells cells = boardDigits();
    bool anyItalic = false;
    for (int p = 0; p < 81; ++p)
        if (cells[p] != 0 && program_.main.txt_m(p + 1).italic()) anyItalic = true;
    if (anyItalic)
        for (int p = 0; p < 81; ++p)
            if (!program_.main.txt_m(p + 1).italic()) cells[p] = 0;
    return cells;
}

bool Assistant::refuseFilledBoard() {
    const Cells cells = boardDigits();
    if (std::all_of(cells.begin(), cells.end(), [](int d) { return d == 0; })) return false;
    program_.app.messageBox(
        "Das geht nur bei leerem Spielfeld. Bitte zuerst \"Neu starten\" wählen.", toolkit::ok_only,
        attention);
    return true;
}

void Assistant::focusCell(int position) {
    program_.main.setFocus(program_.main.txt_m(position + 1));
}

void Assistant::typeGivens(const Cells& cells) {
    frm_sudoku_main& main = program_.main;
    for (int p = 0; p < 81; ++p) {
        if (cells[p] == 0) continue;
        if (program_.app.ended()) return;
        toolkit::Element& cell = main.txt_m(p + 1);
        main.setFocus(cell);
        cell.pressKey('0' + cells[p]);
    }
    const Cells now = boardDigits();
    const auto empty = std::find(now.begin(), now.end(), 0);
    focusCell(empty == now.end() ? 0 : static_cast<int>(empty - now.begin()));
}

void Assistant::pastePuzzle() {
    if (refuseFilledBoard()) return;
    const std::optional<std::string> text = program_.app.platform().clipboardText();
    const solver::PuzzleText puzzle = solver::readPuzzleText(text.value_or(""));
    if (puzzle.count != 81) {
        program_.app.messageBox(
            "Die Zwischenablage enthält kein Sudoku: Erwartet werden 81 Felder, gefunden wurden " +
                std::to_string(puzzle.count) + ".",
            toolkit::ok_only, attention);
        return;
    }
    if (const auto repeat = solver::firstRepeat(puzzle.cells)) {
        const char* where = repeat->unit == UnitKind::Row      ? "in Zeile "
                            : repeat->unit == UnitKind::Column ? "in Spalte "
                                                               : "im Quadrat ";
        program_.app.messageBox("Das Sudoku ist ungültig: Die Ziffer " + number(repeat->digit) +
                                    " steht zweimal " + where + number(repeat->number) + ".",
                                toolkit::ok_only, attention);
        return;
    }
    if (std::all_of(puzzle.cells.begin(), puzzle.cells.end(), [](int d) { return d == 0; })) return;
    typeGivens(puzzle.cells);
}

void Assistant::newPuzzle(Difficulty difficulty) {
    if (generating_ || refuseFilledBoard()) return;
    toolkit::Platform& platform = program_.app.platform();
    const unsigned seed = platform.randomSeed();
    Cells puzzle{};
    generating_ = true;
    try {
        platform.runInBackground(
            [&puzzle, difficulty, seed] { puzzle = solver::generate(difficulty, seed); });
    } catch (...) {
        generating_ = false;
        throw;
    }
    generating_ = false;
    typeGivens(puzzle);
    if (program_.app.ended()) return;
    frm_sudoku_main& main = program_.main;
    main.cmd_einlesen_vorgabe.setText("Vorgabe beenden");
    main.cmd_einlesen_vorgabe_Click();
}

std::string Assistant::solvabilityText(const solver::Analysis& analysis) {
    if (!analysis.settled)
        return "Die Lösungen des Sudokus konnten nicht gezählt werden: Die Prüfung wurde "
               "abgebrochen, weil sie zu lange dauerte.";
    switch (analysis.solutions) {
        case 0:
            return "Das Sudoku hat keine Lösung. Bitte die Vorgabe prüfen.";
        case 1:
            return "Das Sudoku hat genau eine Lösung. Schwierigkeit: " +
                   std::string(solver::difficultyName(analysis.difficulty)) + ".";
        default:
            return "Das Sudoku hat mehr als eine Lösung.";
    }
}

void Assistant::checkSolvable() {
    program_.app.messageBox(solvabilityText(solver::analyse(givens())), toolkit::information,
                            check_title);
}

void Assistant::checkEntries() {
    const Cells given = givens();
    const solver::Analysis analysis = solver::analyse(given);
    if (!analysis.settled || analysis.solutions != 1) {
        program_.app.messageBox(solvabilityText(analysis), toolkit::information, check_title);
        return;
    }
    const Cells board = boardDigits();
    int own = 0, wrong = 0;
    for (int p = 0; p < 81; ++p) {
        if (board[p] == 0 || given[p] != 0) continue;
        ++own;
        if (board[p] != analysis.solution[p]) ++wrong;
    }
    std::string text;
    if (own == 0) {
        text = "Es gibt noch keine eigenen Eingaben.";
    } else if (wrong == 0) {
        text = own == 1 ? "Die eigene Eingabe ist richtig."
                        : "Alle " + number(own) + " eigenen Eingaben sind richtig.";
    } else {
        const frm_sudoku_main& main = program_.main;
        int first = 0, position = -1;
        for (int k = 1; k <= main.back && first == 0; ++k) {
            const double cell = main.zug_feld(k);
            if (cell < 1 || cell > 81 || cell != static_cast<int>(cell)) continue;
            const int p = static_cast<int>(cell) - 1;
            if (board[p] != 0 && given[p] == 0 && board[p] != analysis.solution[p]) {
                first = k;
                position = p;
            }
        }
        text = "Falsche Eingaben: " + number(wrong) + ".";
        if (first == 0) {
            // The move record names none of them (a file whose move count
            // was changed): the first in reading order.
            for (int p = 0; p < 81 && position < 0; ++p)
                if (board[p] != 0 && given[p] == 0 && board[p] != analysis.solution[p])
                    position = p;
            text += " Die erste steht in Zeile " + number(solver::rowOf(position)) + ", Spalte " +
                    number(solver::columnOf(position)) + ".";
        } else {
            const int steps = main.back - first + 1;
            text += " Die erste ist Zug " + number(first) + " in Zeile " +
                    number(solver::rowOf(position)) + ", Spalte " +
                    number(solver::columnOf(position)) + "; nach " + number(steps) +
                    (steps == 1 ? " Schritt" : " Schritten") + " zurück ist sie beseitigt.";
        }
    }
    program_.app.messageBox(text, toolkit::information, check_title);
}

void Assistant::showHint() {
    const solver::Hint hint = solver::findHint(boardDigits());
    const std::string r = number(solver::rowOf(hint.position));
    const std::string c = number(solver::columnOf(hint.position));
    const std::string d = number(hint.digit);
    std::string text;
    switch (hint.kind) {
        case solver::Hint::DeadCell:
            text = "In Zeile " + r + ", Spalte " + c +
                   " ist keine Ziffer mehr möglich. Ein Eintrag davor ist falsch.";
            break;
        case solver::Hint::NakedSingle:
            text = "In Zeile " + r + ", Spalte " + c + " ist nur noch die " + d + " möglich.";
            break;
        case solver::Hint::HiddenSingle:
            if (hint.unit == UnitKind::Row)
                text = "In Zeile " + r + " kann die " + d + " nur in Spalte " + c + " stehen.";
            else if (hint.unit == UnitKind::Column)
                text = "In Spalte " + c + " kann die " + d + " nur in Zeile " + r + " stehen.";
            else
                text = "Im Quadrat " + number(hint.unitNumber) + " kann die " + d +
                       " nur in Zeile " + r + ", Spalte " + c + " stehen.";
            break;
        case solver::Hint::Complete:
            text = "Das Sudoku ist vollständig ausgefüllt.";
            break;
        case solver::Hint::None:
            text = "Kein einfacher nächster Schritt gefunden.";
            break;
    }
    program_.app.messageBox(text, toolkit::information, "Hinweis");
    if (hint.position >= 0 && !program_.app.ended()) focusCell(hint.position);
}

void Assistant::savePdf() {
    toolkit::Platform& platform = program_.app.platform();
    const std::optional<std::string> name =
        platform.saveFileName("Als PDF speichern", "sudoku.pdf");
    if (!name) return;
    frm_sudoku_druck& druck = program_.druck;
    try {
        druck.withPrintLayout([&] { platform.writePdf(druck, *name); });
    } catch (const std::exception&) {
        program_.app.messageBox("Die PDF-Datei konnte nicht geschrieben werden!", toolkit::ok_only,
                                attention);
    }
}
