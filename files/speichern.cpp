// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a game as a one-line puzzle file.

#include <exception>

#include "files/puzzle_datei.h"
#include "files/puzzle_zeile.h"
#include "screens/programm.h"

namespace {

// The game as the file records it. Reading the cell of a move can fail only
// for a move count or cell index that a damaged file left behind.
puzzle::Spielstand spielstand(const frm_sudoku_main& m) {
    puzzle::Spielstand stand;
    stand.anz_d_ziff = m.anz_d_ziff;
    stand.back = m.back;
    for (int k = 1; k <= 81; ++k) {
        if (k <= m.back) {
            stand.zug_feld[k - 1] = m.zug_feld(k);
            stand.zug_text[k - 1] = m.txt_m(toolkit::to_integer(m.zug_feld(k))).text();
            stand.zug_ziffer[k - 1] = m.zug_ziffer(k);
        }
        stand.markierung[k - 1] = m.markierung(k);
        stand.vorgabe[k - 1] = m.txt_m(k).italic();
    }
    return stand;
}

}  // namespace

void frm_sudoku_main::cmd_save_Click() {
    const std::string eingabe = application().inputBox(
        "Geben sie zum Speichern einen gültigen Dateinamen, z.B. sudoku1 ein!", "Hinweis!");
    // Cancel gives the empty text: nothing is saved, no file ".txt" appears.
    if (eingabe.empty()) return;
    try {
        puzzle::schreiben(eingabe + ".txt", puzzle::zeile(spielstand(*this)));
    } catch (const std::exception&) {
        application().messageBox(
            "Die Datei konnte nicht geschrieben werden! Das Spiel wurde nicht gespeichert.",
            toolkit::nur_ok, "Achtung!");
    }
}
