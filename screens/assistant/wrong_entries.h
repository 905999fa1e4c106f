// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "screens/assistant/board_snapshot.h"
#include "solver/solver.h"

class BoardMarks;
class Program;
class Redo;

// Own entries taken out of the game without losing the rest: the game goes
// back with "1 Schritt zurück" to before the entry, and the later moves that
// are kept are typed again in their order, as the user would type them, so
// that the records and every display are exactly what typing the kept
// moves gives.
class WrongEntries {
  public:
    WrongEntries(Program& program, BoardMarks& marks, Redo& redo);

    // The own entries that differ from the solution of the givens.
    struct Found {
        std::vector<int> positions;  // every one, in reading order
        int firstMove = 0;           // the earliest wrong move; 0: the record names none
        int ownNumber = 0;           // which of the own entries that move is, from 1
        bool removable = false;      // "Falsche Eingaben entfernen" can take them out
    };
    Found find(const BoardSnapshot& board, const solver::Cells& solution) const;
    // Marks them on the board until the next input and puts the focus on
    // the first (the earliest move).
    void show(const Found& found);

    // "Falsche Eingaben entfernen": back to before the first wrong move; of
    // the later moves the right ones are typed again.
    bool canRemoveWrong();
    void removeWrong();
    // "Diese Eingabe entfernen": back to before the entry at the position;
    // every later move is typed again.
    bool canRemoveEntry(int position) const;
    void removeEntry(int position);

  private:
    // The solver's answer for these givens; the last one is kept, since the
    // givens rarely change while the menu opens again and again.
    const solver::Analysis& analysis(const solver::Cells& givens);
    // Whether "1 Schritt zurück" can take back every move from this one on,
    // and each of them is an own entry.
    bool undoableFrom(const BoardSnapshot& board, int move) const;
    // The number of the move that put the entry at the position; none when
    // there is no such move.
    static std::optional<int> moveAt(const BoardSnapshot& board, int position);
    void takeOut(int move, const std::function<bool(int position, int digit)>& keepLater);

    Program& program_;
    BoardMarks& marks_;
    Redo& redo_;
    std::optional<std::pair<solver::Cells, solver::Analysis>> analysed_;
};
