// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "screens/toolkit/element.h"
#include "screens/toolkit/element_array.h"
#include "screens/toolkit/grid.h"
#include "screens/toolkit/screen.h"

class Program;

// The print screen: a copy of the board with the givens shaded, four header
// fields and the commands to print and to return.
class frm_sudoku_druck : public toolkit::Screen {
  public:
    using Element = toolkit::Element;
    using ElementArray = toolkit::ElementArray;

    explicit frm_sudoku_druck(Program& program);

    ElementArray lbl_Anl;   // heading (0) and the captions of the four fields (1-4)
    ElementArray txt_eing;  // the header fields: puzzle, author, date, notes
    toolkit::Grid flx_print;
    Element cmd_print;
    Element cmd_zurueck;

    // Shows the print screen with the board as it stands now. The first
    // showing loads the screen, whose load fills the grid; every later one
    // fills it again, so that the printout never shows an outdated board.
    // The texts typed into the header fields stay.
    void open();

    void cmd_print_Click();
    // Lays the screen out as printing does (no buttons, the notes field
    // longer), runs the output and brings the screen back, also when the
    // output throws.
    void withPrintLayout(const std::function<void()>& output);
    void cmd_zurueck_Click();

    // The title bar's close button returns to the main screen, as "Zurück "
    // does: closing the only visible window must not leave the program
    // running without one.
    void closeRequested() override;

  protected:
    void Form_Load() override;

  private:
    // Copies the main screen's board into the grid.
    void fillPrintGrid();
    // The steps that lay the screen out for printing (no buttons, the notes
    // field longer), or back for the screen.
    std::vector<std::function<void()>> printLayout(bool printing);
    // Brings back what printing changed: the buttons and the notes' height.
    void afterPrinting();

    Program& program_;
};
