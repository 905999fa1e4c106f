// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/wrong_entries.h"

#include <algorithm>

#include "screens/assistant/board_marks.h"
#include "screens/assistant/redo.h"
#include "screens/program.h"

using solver::cellNumber;
using toolkit::True;

WrongEntries::WrongEntries(Program& program, BoardMarks& marks, Redo& redo)
    : program_(program), marks_(marks), redo_(redo) {}

const solver::Analysis& WrongEntries::analysis(const solver::Cells& givens) {
    if (!analysed_ || analysed_->first != givens)
        analysed_.emplace(givens, solver::analyse(givens));
    return analysed_->second;
}

std::optional<int> WrongEntries::moveAt(const BoardSnapshot& board, int position) {
    for (std::size_t m = 0; m < board.moves.size(); ++m)
        if (board.moves[m] == position) return static_cast<int>(m) + 1;
    return std::nullopt;
}

bool WrongEntries::undoableFrom(const BoardSnapshot& board, int move) const {
    const frm_sudoku_main& main = program_.main;
    const int limit = main.Vorgabe == True ? main.anz_d_ziff : 0;
    if (move <= limit || move > static_cast<int>(board.moves.size())) return false;
    for (std::size_t m = static_cast<std::size_t>(move) - 1; m < board.moves.size(); ++m)
        if (!board.moves[m] || !board.ownEntry(*board.moves[m])) return false;
    return true;
}

WrongEntries::Found WrongEntries::find(const BoardSnapshot& board,
                                       const solver::Cells& solution) const {
    Found found;
    const auto wrong = [&](int p) { return board.ownEntry(p) && board.digits[p] != solution[p]; };
    for (int p = 0; p < 81; ++p)
        if (wrong(p)) found.positions.push_back(p);
    int own = 0;
    for (std::size_t m = 0; m < board.moves.size() && found.firstMove == 0; ++m) {
        const std::optional<int> p = board.moves[m];
        if (!p || !board.ownEntry(*p)) continue;
        ++own;
        if (wrong(*p)) {
            found.firstMove = static_cast<int>(m) + 1;
            found.ownNumber = own;
        }
    }
    found.removable = found.firstMove != 0 && undoableFrom(board, found.firstMove);
    return found;
}

void WrongEntries::show(const Found& found) {
    if (found.positions.empty()) return;
    frm_sudoku_main& main = program_.main;
    const BoardSnapshot board = snapshotOf(main);
    BoardMarks::Marks marks;
    for (int p : found.positions) {
        // A dashed frame, and the digit struck through.
        toolkit::Decoration wrong{toolkit::ElementMark::Dashed, {}};
        wrong.digits[static_cast<std::size_t>(board.digits[p])] = toolkit::DigitMark::Struck;
        marks.emplace_back(&main.txt_m(cellNumber(p)), wrong);
    }
    marks_.showPassing(marks);
    focusBoardCell(
        main, found.firstMove != 0 ? *board.moves[found.firstMove - 1] : found.positions.front());
}

bool WrongEntries::canRemoveWrong() {
    const BoardSnapshot board = snapshotOf(program_.main);
    if (std::none_of(board.moves.begin(), board.moves.end(),
                     [&](const std::optional<int>& p) { return p && board.ownEntry(*p); }))
        return false;
    const solver::Analysis& solved = analysis(board.givens);
    return solved.settled && solved.solutions == 1 && find(board, solved.solution).removable;
}

void WrongEntries::removeWrong() {
    if (!canRemoveWrong()) return;
    const BoardSnapshot board = snapshotOf(program_.main);
    const solver::Cells solution = analysis(board.givens).solution;
    takeOut(find(board, solution).firstMove,
            [&solution](int position, int digit) { return solution[position] == digit; });
}

bool WrongEntries::canRemoveEntry(int position) const {
    const BoardSnapshot board = snapshotOf(program_.main);
    const std::optional<int> move = moveAt(board, position);
    return move && board.digits[position] != 0 && undoableFrom(board, *move);
}

void WrongEntries::removeEntry(int position) {
    if (!canRemoveEntry(position)) return;
    takeOut(*moveAt(snapshotOf(program_.main), position), [](int, int) { return true; });
}

void WrongEntries::takeOut(int move,
                           const std::function<bool(int position, int digit)>& keepLater) {
    frm_sudoku_main& main = program_.main;
    const BoardSnapshot board = snapshotOf(main);
    const int position = *board.moves[move - 1];
    std::vector<int> later;
    for (std::size_t m = move; m < board.moves.size(); ++m)
        if (keepLater(*board.moves[m], board.digits[*board.moves[m]]))
            later.push_back(*board.moves[m]);
    while (main.back >= move) {
        const int before = main.back;
        main.cmd_back_Click();
        if (main.back == before) return;
    }
    for (int p : later) {
        if (program_.app.ended()) return;
        toolkit::Element& cell = main.txt_m(cellNumber(p));
        main.setFocus(cell);
        cell.pressKey('0' + board.digits[p]);
    }
    // The marks of "Eingaben prüfen" named entries that are gone now.
    marks_.clearPassing();
    redo_.forget();
    focusBoardCell(main, position);
}
