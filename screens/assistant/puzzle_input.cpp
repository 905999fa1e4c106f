// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/puzzle_input.h"

#include <algorithm>

#include "screens/assistant/board_snapshot.h"
#include "screens/program.h"
#include "solver/generator.h"
#include "solver/puzzle_text.h"

using solver::Cells;
using solver::UnitKind;

namespace {

const char* const attention = "Achtung!";

}  // namespace

bool PuzzleInput::refuseUnfitGame() {
    const frm_sudoku_main& main = program_.main;
    const char* refusal = nullptr;
    if (!snapshotOf(main).empty()) {
        refusal = "Das geht nur bei leerem Spielfeld. Bitte zuerst \"Neu starten\" wählen.";
    } else {
        // An empty board can still carry a game's givens: fixed with none
        // (the button is off then), or a file's count of givens and italic
        // cells. Typed into it, the puzzle's digits would be fixed after the
        // wrong count, or never.
        bool italic = false;
        for (int k = 1; k <= 81; ++k) italic = italic || main.txt_m(k).italic();
        if (!main.cmd_einlesen_vorgabe.enabled() || main.anz_d_ziff != 0 || italic)
            refusal =
                "Die Vorgabe dieses Spiels ist schon festgelegt. Bitte zuerst \"Neu starten\" "
                "wählen.";
    }
    if (!refusal) return false;
    program_.app.messageBox(refusal, toolkit::ok_only, attention);
    return true;
}

void PuzzleInput::typeGivens(const Cells& cells) {
    frm_sudoku_main& main = program_.main;
    for (int p = 0; p < 81; ++p) {
        if (cells[p] == 0) continue;
        if (program_.app.ended()) return;
        toolkit::Element& cell = main.txt_m(solver::cellNumber(p));
        main.setFocus(cell);
        cell.pressKey('0' + cells[p]);
    }
    const Cells now = snapshotOf(main).digits;
    const auto empty = std::find(now.begin(), now.end(), 0);
    focusBoardCell(main, empty == now.end() ? 0 : static_cast<int>(empty - now.begin()));
}

void PuzzleInput::paste() {
    if (refuseUnfitGame()) return;
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
        program_.app.messageBox("Das Sudoku ist ungültig: Die Ziffer " +
                                    std::to_string(repeat->digit) + " steht zweimal " + where +
                                    std::to_string(repeat->number) + ".",
                                toolkit::ok_only, attention);
        return;
    }
    if (std::all_of(puzzle.cells.begin(), puzzle.cells.end(), [](int d) { return d == 0; })) return;
    typeGivens(puzzle.cells);
}

void PuzzleInput::generate(solver::Level level) {
    if (generating_ || refuseUnfitGame()) return;
    toolkit::Platform& platform = program_.app.platform();
    const unsigned seed = platform.randomSeed();
    Cells puzzle{};
    generating_ = true;
    try {
        platform.runInBackground(
            [&puzzle, level, seed] { puzzle = solver::generate(level, seed); });
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
