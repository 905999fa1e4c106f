// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BoardMarks;
class Program;

// Shows that the puzzle is solved: when an input fills the last empty cell
// with a digit that fits, every board cell carries a mark in its corners
// until the next input. Nothing else changes.
class Finished {
  public:
    Finished(Program& program, BoardMarks& marks);
    ~Finished();
    Finished(const Finished&) = delete;
    Finished& operator=(const Finished&) = delete;

  private:
    void afterInput();

    Program& program_;
    BoardMarks& marks_;
    int listener_ = 0;
    // Whether the board was full when the last input ended.
    bool full_ = false;
};
