// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "solver/hint_plan.h"

class BoardMarks;
class Checks;
class Program;

// "Hinweis": the next logical step on the board, from its digits alone.
// First what keeps the board from one (givens without exactly one
// solution, a wrong own entry); a single is named as it is; a way of
// harder steps first by its techniques and where to look, and asked for
// again on the same board, in full. The hint's cells and candidates stay
// marked until the next input, and the focus goes to the cell it leads to.
// It never types a digit.
class Hints {
  public:
    Hints(Program& program, Checks& checks, BoardMarks& marks)
        : program_(program), checks_(checks), marks_(marks) {}

    void show();

    // Told of each hint's marking as it is laid over the board (the
    // scenario driver prints it).
    std::function<void(const solver::HintMarking&)> onMarking;

  private:
    // Lays the plan's marking over the board cells and candidate pads.
    void mark(const solver::HintPlan& plan);

    Program& program_;
    Checks& checks_;
    BoardMarks& marks_;
    // The last way above leicht whose outline was shown, and the board it
    // was found on: asked for again on that board, it is shown in full.
    struct Outlined {
        solver::Cells digits;
        solver::Cells givens;
        solver::HintPlan plan;
    };
    std::optional<Outlined> outlined_;
};
