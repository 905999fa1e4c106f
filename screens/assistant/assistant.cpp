// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/assistant.h"

#include "screens/assistant/board_snapshot.h"
#include "screens/assistant/button_keys.h"
#include "screens/program.h"
#include "solver/explanation.h"

using solver::Level;

Assistant::Assistant(Program& program)
    : program_(program),
      marks_(program.app),
      redo_(program),
      restartUndo_(program, redo_),
      wrongEntries_(program, marks_, redo_),
      digitMarking_(program, marks_),
      finished_(program, marks_),
      puzzleInput_(program),
      checks_(program, wrongEntries_),
      hints_(program, checks_, marks_),
      pdfExport_(program),
      commands_(commandList()) {
    commands_.handleChords(program_.main);
    commands_.handleChords(program_.druck);
    std::vector<toolkit::Element*> cells;
    for (int k = 1; k <= 81; ++k) cells.push_back(&program_.main.txt_m(k));
    commands_.showMenu(MenuPlace::BoardCell, cells);
    commands_.showMenu(MenuPlace::PrintGrid, {&program_.druck.flx_print});
}

// The command table: every command of the additions, in menu order.
std::vector<Command> Assistant::commandList() {
    frm_sudoku_main* main = &program_.main;
    frm_sudoku_druck* druck = &program_.druck;
    // The arrow keys and the cell menu act on a board cell; the other
    // shortcuts of a screen act whichever of its elements has the focus.
    const auto onBoardCell = [main](const CommandTarget& target) {
        return boardPosition(*main, target.element).has_value();
    };
    const auto move = [this, main](int rowStep, int columnStep) {
        return [this, main, rowStep, columnStep](const CommandTarget& target) {
            moveFocus(*boardPosition(*main, target.element), rowStep, columnStep);
        };
    };
    const auto run = [](auto action) { return [action](const CommandTarget&) { action(); }; };
    const auto when = [](auto condition) {
        return [condition](const CommandTarget&) { return condition(); };
    };
    const auto ownEntry = [this, main](const CommandTarget& target) {
        const std::optional<int> p = boardPosition(*main, target.element);
        return p && wrongEntries_.canRemoveEntry(*p);
    };
    std::vector<Command> list{
        {"Diese Eingabe entfernen",
         main,
         {},
         MenuPlace::BoardCell,
         "",
         false,
         ownEntry,
         [this, main](const CommandTarget& target) {
             wrongEntries_.removeEntry(*boardPosition(*main, target.element));
         }},
        // Wherever the focus stands on the main screen.
        {"Wiederholen", main, chords({"Ctrl+Y", "Ctrl+Shift+Z"}), MenuPlace::BoardCell, "", false,
         when([this] { return redo_.available(); }), run([this] { redo_.redo(); })},
        // Right after a restart Ctrl+Z takes the restart back; otherwise it
        // is "1 Schritt zurück", while that button is enabled.
        {"Neu starten rückgängig", main, chords({"Ctrl+Z"}), MenuPlace::BoardCell, "", false,
         when([this] { return restartUndo_.available(); }), run([this] { restartUndo_.undo(); })},
        {"", main, chords({"Ctrl+Z"}), MenuPlace::None, "", false,
         when([main] { return main->cmd_back.enabled(); }),
         run([main] { main->cmd_back_Click(); })},
        {"", main, chords({"Ctrl+0", "Escape"}), MenuPlace::None, "", false,
         when([this] { return digitMarking_.on(); }), run([this] { digitMarking_.end(); })},
        {"", main, chords({"Left"}), MenuPlace::None, "", false, onBoardCell, move(0, -1)},
        {"", main, chords({"Right"}), MenuPlace::None, "", false, onBoardCell, move(0, 1)},
        {"", main, chords({"Up"}), MenuPlace::None, "", false, onBoardCell, move(-1, 0)},
        {"", main, chords({"Down"}), MenuPlace::None, "", false, onBoardCell, move(1, 0)},
        {"Sudoku einfügen", main, chords({"Ctrl+V", "Shift+Insert"}), MenuPlace::BoardCell, "",
         true, nullptr, run([this] { puzzleInput_.paste(); })},
    };
    for (int d = 1; d <= 9; ++d)
        list.push_back({"", main, chords({"Ctrl+" + std::to_string(d)}), MenuPlace::None, "", false,
                        nullptr, run([this, d] { digitMarking_.toggle(d); })});
    for (Level level :
         {Level::Leicht, Level::Mittel, Level::Schwer, Level::SehrSchwer, Level::Extrem})
        list.push_back({std::string(solver::levelName(level)),
                        main,
                        {},
                        MenuPlace::BoardCell,
                        "Neues Sudoku",
                        false,
                        onBoardCell,
                        run([this, level] { puzzleInput_.generate(level); })});
    list.insert(list.end(),
                {
                    {"Lösbarkeit prüfen",
                     main,
                     {},
                     MenuPlace::BoardCell,
                     "",
                     true,
                     onBoardCell,
                     run([this] { checks_.checkSolvable(); })},
                    {"Eingaben prüfen", main, chords({"Ctrl+E"}), MenuPlace::BoardCell, "", false,
                     nullptr, run([this] { checks_.checkEntries(); })},
                    {"Falsche Eingaben entfernen",
                     main,
                     {},
                     MenuPlace::BoardCell,
                     "",
                     false,
                     when([this] { return wrongEntries_.canRemoveWrong(); }),
                     run([this] { wrongEntries_.removeWrong(); })},
                    {"Hinweis", main, chords({"Ctrl+H"}), MenuPlace::BoardCell, "", false, nullptr,
                     run([this] { hints_.show(); })},
                    {"Als PDF speichern…", druck, chords({"Ctrl+S"}), MenuPlace::PrintGrid, "",
                     false, nullptr, run([this] { pdfExport_.save(); })},
                });
    for (Command& command : buttonKeys(program_)) list.push_back(std::move(command));
    return list;
}

void Assistant::moveFocus(int position, int rowStep, int columnStep) {
    const int row = (solver::rowOf(position) - 1 + rowStep + 9) % 9 + 1;
    const int column = (solver::columnOf(position) - 1 + columnStep + 9) % 9 + 1;
    focusBoardCell(program_.main, solver::positionAt(row, column));
}
