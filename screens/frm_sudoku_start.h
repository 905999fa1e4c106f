// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

#include "screens/explanation.h"
#include "screens/toolkit/element.h"
#include "screens/toolkit/element_array.h"
#include "screens/toolkit/numbers.h"
#include "screens/toolkit/screen.h"

class Program;

// The start screen: the five display flags with their check boxes, the
// explanation text and the command that starts (or continues) the game.
class frm_sudoku_start : public toolkit::Screen {
  public:
    using Integer = toolkit::Integer;
    using Element = toolkit::Element;

    explicit frm_sudoku_start(Program& program);

    // Display flags: True shows the column, row, square, candidate and
    // last-entry display on the main screen.
    Integer Spalten = 0;
    Integer Reihen = 0;
    Integer Quadr = 0;
    Integer Einzelf = 0;
    Integer letzte_E = 0;

    Element lbl_Titel;
    Element lbl_autor;
    Element lbl_Kontr_Erkl;
    toolkit::ElementArray chk_verstecken;
    Element cmd_start;
    Element cmd_erkl;
    Element cmd_ansicht;
    Element txt_Erkl;

    // Where "Erklärung lesen" looks for the explanation file, in order. Only
    // the working directory unless the program adds its installed data folder
    // (see explanation::searchPlaces()).
    std::vector<std::filesystem::path> explanationPlaces{explanation::file_name};

    // Opens (or closes) the options panel, as a click on "Ansicht ändern".
    void cmd_aend_beg();
    // Starts the game again, as a click on the start command.
    void neu_starten();

    void closeRequested() override;

  protected:
    void Form_Load() override;

  private:
    void chk_verstecken_Click(Integer Index);
    void cmd_ansicht_Click();
    void cmd_erkl_Click();
    void cmd_start_Click();

    Program& program_;
};
