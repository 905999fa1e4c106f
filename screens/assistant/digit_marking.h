// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/assistant/board_marks.h"

class Program;

// A digit at a glance: every board cell that holds the digit is framed, and
// in every candidate pad that still holds it the digit is ringed. The
// marking follows the board after every input until it is ended.
class DigitMarking {
  public:
    DigitMarking(Program& program, BoardMarks& marks);

    // Marks the digit (1 to 9); the digit marked already ends the marking.
    void toggle(int digit);
    void end();
    bool on() const { return digit_ != 0; }

  private:
    BoardMarks::Marks marks() const;

    Program& program_;
    BoardMarks& marks_;
    int digit_ = 0;
};
