// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/solver.h"

#include <qqwing.hpp>

#include <algorithm>
#include <cstdlib>

#include "solver/exact_solver.h"

namespace solver {

namespace {

Difficulty fromQqwing(qqwing::SudokuBoard::Difficulty rating) {
    switch (rating) {
        case qqwing::SudokuBoard::EASY:
            return Difficulty::Easy;
        case qqwing::SudokuBoard::INTERMEDIATE:
            return Difficulty::Intermediate;
        case qqwing::SudokuBoard::EXPERT:
            return Difficulty::Expert;
        default:
            return Difficulty::Simple;
    }
}

}  // namespace

Analysis analyse(const Cells& givens) {
    Analysis analysis;
    const SolutionCount count = countSolutions(givens);
    analysis.solutions = count.solutions;
    analysis.settled = count.settled;
    if (!count.settled || count.solutions != 1) return analysis;
    analysis.solution = count.solution;
    // QQwing rates no full board (it has nothing to solve): simple.
    if (std::find(givens.begin(), givens.end(), 0) == givens.end()) return analysis;
    Cells puzzle = givens;
    qqwing::SudokuBoard board;
    board.setPuzzle(puzzle.data());
    board.setRecordHistory(true);
    board.solve();
    analysis.difficulty = fromQqwing(board.getDifficulty());
    return analysis;
}

Cells generate(Difficulty difficulty, unsigned seed) {
    std::srand(seed);
    qqwing::SudokuBoard board;
    board.setRecordHistory(true);
    while (true) {
        board.generatePuzzle();
        board.solve();
        if (fromQqwing(board.getDifficulty()) == difficulty) break;
    }
    Cells puzzle;
    const int* givens = board.getPuzzle();
    for (int p = 0; p < 81; ++p) puzzle[p] = givens[p];
    return puzzle;
}

}  // namespace solver
