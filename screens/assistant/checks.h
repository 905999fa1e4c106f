// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/solver.h"

class Program;
class WrongEntries;

// What the solver says of the game: whether the givens have exactly one
// solution and how hard they are, and whether the own entries agree with it.
class Checks {
  public:
    Checks(Program& program, WrongEntries& wrongEntries)
        : program_(program), wrongEntries_(wrongEntries) {}

    // "Lösbarkeit prüfen".
    void checkSolvable();
    // "Eingaben prüfen": compares the own entries with the solution; marks
    // the wrong ones, names the first as the user counts it and offers to
    // take them out.
    void checkEntries();

  private:
    static std::string solvabilityText(const solver::Analysis& analysis);

    Program& program_;
    WrongEntries& wrongEntries_;
};
