// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant.h"

#include <algorithm>

#include "screens/program.h"
#include "solver/hint.h"
#include "solver/puzzle_text.h"

using solver::Cells;
using solver::Difficulty;
using solver::UnitKind;
using toolkit::MenuItem;
using toolkit::SpecialKey;

namespace {

const char* const attention = "Achtung!";
const char* const check_title = "Prüfung";

std::string number(int n) {
    return std::to_string(n);
}

}  // namespace

Assistant::Assistant(Program& program) : program_(program) {
    frm_sudoku_main& main = program_.main;
    std::vector<MenuItem> newPuzzleItems;
    for (Difficulty d :
         {Difficulty::Simple, Difficulty::Easy, Difficulty::Intermediate, Difficulty::Expert})
        newPuzzleItems.push_back(
            {std::string(solver::difficultyName(d)), [this, d] { newPuzzle(d); }, {}});
    const std::vector<MenuItem> cellMenu{
        {"Sudoku einfügen", [this] { pastePuzzle(); }, {}},
        {"Neues Sudoku", {}, newPuzzleItems},
        MenuItem::separatorItem(),
        {"Lösbarkeit prüfen", [this] { checkSolvable(); }, {}},
        {"Eingaben prüfen", [this] { checkEntries(); }, {}},
        {"Hinweis", [this] { showHint(); }, {}},
    };
    for (int k = 1; k <= 81; ++k) {
        main.txt_m(k).contextMenu = cellMenu;
        main.txt_m(k).onSpecialKey = [this, k](SpecialKey key) {
            switch (key) {
                case SpecialKey::Left:
                    moveFocus(k, 0, -1);
                    return true;
                case SpecialKey::Right:
                    moveFocus(k, 0, 1);
                    return true;
                case SpecialKey::Up:
                    moveFocus(k, -1, 0);
                    return true;
                case SpecialKey::Down:
                    moveFocus(k, 1, 0);
                    return true;
                case SpecialKey::CtrlV:
                case SpecialKey::ShiftInsert:
                    pastePuzzle();
                    return true;
                case SpecialKey::CtrlE:
                    checkEntries();
                    return true;
                case SpecialKey::CtrlH:
                    showHint();
                    return true;
                default:
                    return false;
            }
        };
    }

    frm_sudoku_druck& druck = program_.druck;
    druck.flx_print.contextMenu = {{"Als PDF speichern…", [this] { savePdf(); }, {}}};
    druck.onSpecialKey = [this](SpecialKey key) {
        if (key != SpecialKey::CtrlS) return false;
        savePdf();
        return true;
    };
}

void Assistant::moveFocus(int k, int rowStep, int columnStep) {
    const int row = (k - 1) / 9, column = (k - 1) % 9;
    const int target = (row + rowStep + 9) % 9 * 9 + (column + columnStep + 9) % 9 + 1;
    program_.main.setFocus(program_.main.txt_m(target));
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
    if (analysis.solutions != 1) {
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
