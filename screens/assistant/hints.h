// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Program;

// "Hinweis": the next simple step on the board, from its digits alone.
class Hints {
  public:
    explicit Hints(Program& program) : program_(program) {}

    // Names the step and puts the focus on its cell.
    void show();

  private:
    Program& program_;
};
