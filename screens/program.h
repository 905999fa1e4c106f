// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/assistant/assistant.h"
#include "screens/frm_sudoku_druck.h"
#include "screens/frm_sudoku_main.h"
#include "screens/frm_sudoku_start.h"
#include "screens/toolkit/application.h"

// The whole program: its three screens on one platform. Large (the main
// screen's move records), so create it on the heap.
class Program {
  public:
    explicit Program(toolkit::Platform& platform);

    // Program entry: shows the start screen.
    void startProgram();

    toolkit::Application app;
    frm_sudoku_start start;
    frm_sudoku_main main;
    frm_sudoku_druck druck;
    Assistant assistant;
};
