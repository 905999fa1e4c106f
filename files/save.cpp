// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a game as a one-line puzzle file.

#include <exception>
#include <string>

#include "files/puzzle_file.h"
#include "files/puzzle_line.h"
#include "screens/frm_sudoku_main.h"
#include "screens/toolkit/application.h"
#include "screens/toolkit/numbers.h"

namespace {

// The game as the file records it. Reading the cell of a move can fail only
// for a move count or cell index that a damaged file left behind.
puzzle::GameState gameState(const frm_sudoku_main& m) {
    puzzle::GameState game;
    game.anz_d_ziff = m.anz_d_ziff;
    game.back = m.back;
    for (int k = 1; k <= 81; ++k) {
        if (k <= m.back) {
            game.zug_feld[k - 1] = m.zug_feld(k);
            game.moveText[k - 1] = m.txt_m(toolkit::toInteger(m.zug_feld(k))).text();
            game.zug_ziffer[k - 1] = m.zug_ziffer(k);
        }
        game.markierung[k - 1] = m.markierung(k);
        game.given[k - 1] = m.txt_m(k).italic();
    }
    return game;
}

}  // namespace

std::string frm_sudoku_main::puzzleBytes() const {
    return puzzle::line(gameState(*this));
}

void frm_sudoku_main::cmd_save_Click() {
    const std::string input = application().inputBox(
        "Geben sie zum Speichern einen gültigen Dateinamen, z.B. sudoku1 ein!", "Hinweis!");
    // Cancel gives the empty text: nothing is saved, no file ".txt" appears.
    if (input.empty()) return;
    try {
        puzzle::writeFile(input + ".txt", puzzleBytes());
    } catch (const std::exception&) {
        application().messageBox(
            "Die Datei konnte nicht geschrieben werden! Das Spiel wurde nicht gespeichert.",
            toolkit::ok_only, "Achtung!");
    }
}
