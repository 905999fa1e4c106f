#include "screens/frm_sudoku_druck.h"

#include "screens/farben.h"
#include "screens/programm.h"

frm_sudoku_druck::frm_sudoku_druck(Programm& programm)
    : Screen(programm.app, "frm_sudoku_druck"), programm_(programm) {
    setCaption("Drucken");
    setClientSize(9765, 8055);
    setBackColor(farben::hintergrund);
}
