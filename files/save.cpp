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
puzzle::GameState game_state(const frm_sudoku_main& m) {
    puzzle::GameState stand;
    stand.anz_d_ziff = m.anz_d_ziff;
    stand.back = m.back;
    for (int k = 1; k <= 81; ++k) {
        if (k <= m.back) {
            stand.zug_feld[k - 1] = m.zug_feld(k);
            stand.move_text[k - 1] = m.txt_m(toolkit::to_integer(m.zug_feld(k))).text();
            stand.zug_ziffer[k - 1] = m.zug_ziffer(k);
        }
        stand.markierung[k - 1] = m.markierung(k);
        stand.given[k - 1] = m.txt_m(k).italic();
    }
    return stand;
}

}  // namespace

void frm_sudoku_main::cmd_save_Click() {
    const std::string input = application().inputBox(
        "Geben sie zum Speichern einen gültigen Dateinamen, z.B. sudoku1 ein!", "Hinweis!");
    // Cancel gives the empty text: nothing is saved, no file ".txt" appears.
    if (input.empty()) return;
    try {
        puzzle::write_file(input + ".txt", puzzle::line(game_state(*this)));
    } catch (const std::exception&) {
        application().messageBox(
            "Die Datei konnte nicht geschrieben werden! Das Spiel wurde nicht gespeichert.",
            toolkit::ok_only, "Achtung!");
    }
}
