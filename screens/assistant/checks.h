// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "solver/solver.h"

class Program;

// What the solver says of the game: whether the givens have exactly one
// solution and how hard they are, and whether the own entries agree with it.
class Checks {
  public:
    explicit Checks(Program& program) : program_(program) {}

    // "Lösbarkeit prüfen".
    void checkSolvable();
    // "Eingaben prüfen": compares the own entries with the solution and
    // names the first wrong move.
    void checkEntries();

  private:
    static std::string solvabilityText(const solver::Analysis& analysis);

    Program& program_;
};
