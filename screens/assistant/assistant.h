// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "screens/assistant/board_marks.h"
#include "screens/assistant/checks.h"
#include "screens/assistant/command_table.h"
#include "screens/assistant/digit_marking.h"
#include "screens/assistant/finished.h"
#include "screens/assistant/hints.h"
#include "screens/assistant/pdf_export.h"
#include "screens/assistant/puzzle_input.h"
#include "screens/assistant/redo.h"
#include "screens/assistant/restart_undo.h"
#include "screens/assistant/wrong_entries.h"

class Program;

// What the program offers beyond its buttons, reached only through keys
// that type no character and through right-click menus: arrow keys and a
// menu on the board cells (paste a puzzle, generate one, check it, check
// the own entries and take wrong ones out, a hint, undo and redo, a restart
// taken back), a digit marked at a glance, a solved board shown, and the
// print page as a PDF file on the print screen. Each command is listed
// once, in the command table; the concerns that carry them out live in
// files of their own.
class Assistant {
  public:
    explicit Assistant(Program& program);

    const CommandTable& commands() const { return commands_; }
    Hints& hints() { return hints_; }

  private:
    std::vector<Command> commandList();
    // Moves the focus from the board cell at the position one cell in the
    // key's direction, wrapping around within the row or column.
    void moveFocus(int position, int rowStep, int columnStep);

    Program& program_;
    BoardMarks marks_;
    Redo redo_;
    RestartUndo restartUndo_;
    WrongEntries wrongEntries_;
    DigitMarking digitMarking_;
    Finished finished_;
    PuzzleInput puzzleInput_;
    Checks checks_;
    Hints hints_;
    PdfExport pdfExport_;
    CommandTable commands_;
};
