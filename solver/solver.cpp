// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solver.h"

#include "solver/exact_solver.h"

namespace solver {

Analysis analyse(const Cells& givens) {
    Analysis analysis;
    const SolutionCount count = countSolutions(givens);
    analysis.solutions = count.solutions;
    analysis.settled = count.settled;
    if (count.settled && count.solutions == 1) analysis.solution = count.solution;
    return analysis;
}

}  // namespace solver
