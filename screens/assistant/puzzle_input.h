// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/geometry.h"
#include "solver/step.h"

class Program;

// A whole puzzle typed into the empty board: from the clipboard, or newly
// generated. The givens are typed one by one as a user would type them.
class PuzzleInput {
  public:
    explicit PuzzleInput(Program& program) : program_(program) {}

    // Types the clipboard's puzzle into the empty board.
    void paste();
    // Generates a puzzle of the ladder's level, types its givens and fixes
    // them.
    void generate(solver::Level level);

  private:
    // Shows the refusal when the game cannot take a puzzle whose digits all
    // become its givens (a board cell holds a digit, or givens are fixed
    // or counted already); true then.
    bool refuseUnfitGame();
    // Types each given into its cell, then puts the focus on the first
    // empty cell.
    void typeGivens(const solver::Cells& cells);

    Program& program_;
    bool generating_ = false;
};
