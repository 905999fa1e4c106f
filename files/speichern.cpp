// Saving a game as a one-line puzzle file.

#include "screens/programm.h"

void frm_sudoku_main::cmd_save_Click() {}
