// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "board/board_state.h"
#include "screens/toolkit/element.h"
#include "screens/toolkit/element_array.h"
#include "screens/toolkit/screen.h"

class Program;
class frm_sudoku_start;

// The main screen: the board, the five check displays and the commands of a
// game. It owns the board state; its procedures are spread over board/
// (play), files/ (puzzle files) and screens/ (layout and commands).
class frm_sudoku_main : public toolkit::Screen, public BoardState {
  public:
    using Element = toolkit::Element;
    using ElementArray = toolkit::ElementArray;

    explicit frm_sudoku_main(Program& program);

    // Board cells, candidate pads, last-entry and mark labels, and the row,
    // column and square displays; element 0 of each is a hidden spare.
    ElementArray txt_m;
    ElementArray txt_c;
    ElementArray lbl_c;
    ElementArray lbl_w;
    ElementArray lbl_s;
    ElementArray lbl_q;
    ElementArray txt_Titel;  // the large title letters S U D O K U
    ElementArray lbl_erkl;   // mark panel (0-2) and count panel (3-5)
    Element txt_test;
    Element cmd_einlesen_vorgabe;
    Element cmd_back;
    Element cmd_ans_aend;
    Element cmd_save;
    Element cmd_neustart;
    Element cmd_druck;
    Element cmd_exit;

    // Initialisation: applies the display flags and, unless the view is being
    // changed, writes the initial texts of the check displays.
    void sud_main_manager();

    // Digit entry and conflict check.
    void txt_m_KeyPress(Integer Index, int& key);
    void txt_m_Change(Integer Index);
    Integer nur_ziffern(Integer zf);
    Integer schon_vorhanden(Integer j, Integer z);
    Integer senkr_vorhanden(Integer j, Integer z);
    void Meldung(Integer j, Integer alt_z);

    // Move recording and check displays.
    void anpassen(Integer j, Integer z);
    void anzeige_anpassen(Integer j, Integer z);
    void letzte_zahl();
    void anzeige_eing_ziffern();

    // Undo, cell marks and the candidate history view.
    void cmd_back_Click();
    void lbl_c_Click(Integer Index);
    void lbl_c_mark_rueckg(Integer ix);
    void txt_Titel_Click(Integer Index);

    // Puzzle files and the givens-entry mode.
    void cmd_save_Click();
    void cmd_einlesen_vorgabe_Click();
    // Reads a puzzle file's bytes as "Datei einlesen" does once it has read
    // the file: parses them and lays the game over the board, reporting
    // every failure as that button does.
    void readPuzzleBytes(std::string_view fileBytes);
    // Damaged content of a puzzle file: says so while a file is being read,
    // then ends the program without the exit question.
    void endForDamagedFile();
    // The game as a puzzle file records it: the bytes "Speichern" writes.
    std::string puzzleBytes() const;

    // Commands of the screen.
    void cmd_neustart_Click();
    void cmd_druck_Click();
    void cmd_ans_aend_Click();
    void cmd_exit_Click();

    void closeRequested() override;

  protected:
    void Form_Load() override;

  private:
    void createLayout();
    // The elements' events to the screen's procedures.
    void connectEvents();
    // Names for a screen reader: where each cell stands, what each check
    // display counts.
    void nameForScreenReaders();
    // The numeric value of cell k's text, as the conflict check compares it.
    double cellValue(int k);
    // The start screen, whose check boxes choose the check displays.
    const frm_sudoku_start& startScreen() const;

    Program& program_;
};
