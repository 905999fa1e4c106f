// Reading a puzzle file by replaying its moves, and fixing the givens.

#include "screens/programm.h"

using toolkit::True;

void frm_sudoku_main::cmd_einlesen_vorgabe_Click() {
    if (cmd_einlesen_vorgabe.text() == "Datei einlesen") {
        return;
    }
    // Fixing the givens: every filled cell becomes a given, shown in italics.
    Vorgabe = True;
    cmd_einlesen_vorgabe.setEnabled(false);
    anz_d_ziff = back;
    for (int i = 1; i <= 81; ++i)
        if (!txt_m(i).text().empty()) txt_m(i).setItalic(true);
}
