#pragma once

#include "screens/toolkit/screen.h"

class Programm;

// The print screen: a copy of the board with the givens shaded, four header
// fields and the commands to print and to return.
class frm_sudoku_druck : public toolkit::Screen {
public:
    explicit frm_sudoku_druck(Programm& programm);

private:
    Programm& programm_;
};
