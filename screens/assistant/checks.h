// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/solver.h"

class Program;
class WrongEntries;
struct BoardSnapshot;

// What the solver says of the game: whether the givens have exactly one
// solution and how hard they are, and whether the own entries agree with it.
class Checks {
  public:
    Checks(Program& program, WrongEntries& wrongEntries)
        : program_(program), wrongEntries_(wrongEntries) {}

    // "Lösbarkeit prüfen": the solutions of the givens and, with exactly
    // one, the level the technique ladder rates them.
    void checkSolvable();
    // "Eingaben prüfen": compares the own entries with the solution; marks
    // the wrong ones, names the first as the user counts it and offers to
    // take them out.
    void checkEntries();
    // What stands in the way of a next step: givens without exactly one
    // solution, or own entries that differ from it. Shows its message (the
    // one of "Lösbarkeit prüfen", or of "Eingaben prüfen" with its marks
    // and its offer to take the wrong entries out) under the title and
    // returns true; false when there is none.
    bool reportProblem(const BoardSnapshot& board, const solver::Analysis& analysis,
                       const std::string& title);

  private:
    Program& program_;
    WrongEntries& wrongEntries_;
};
