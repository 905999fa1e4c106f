// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "screens/assistant/command_table.h"
#include "solver/geometry.h"
#include "solver/solver.h"

class Program;

// What the program offers beyond its buttons, reached only through keys
// that type no character and through right-click menus: arrow keys and a
// menu on the board cells (paste a puzzle, generate one, check it, check
// the own entries, a hint), and the print page as a PDF file on the print
// screen. Its commands are listed once, in its command table; it wires the
// table into the screens when constructed.
class Assistant {
  public:
    explicit Assistant(Program& program);

    const CommandTable& commands() const { return commands_; }

    // Moves the focus from the board cell at a position one cell in the
    // key's direction, wrapping around within the row or column.
    void moveFocus(int position, int rowStep, int columnStep);
    // Types the clipboard's puzzle into the empty board.
    void pastePuzzle();
    // Generates a puzzle of the difficulty, types its givens and fixes them.
    void newPuzzle(solver::Difficulty difficulty);
    // Whether the givens have exactly one solution, and how hard they are.
    void checkSolvable();
    // Compares the own entries with the solution.
    void checkEntries();
    // Names the next simple step and puts the focus on its cell.
    void showHint();
    // Writes the print page into a PDF file the user names.
    void savePdf();

  private:
    std::vector<Command> commandList();
    // The position of the board cell the command was asked on; none when it
    // was asked elsewhere.
    std::optional<int> boardPosition(const CommandTarget& target) const;
    // The board's digits, 0 for an empty cell.
    solver::Cells boardDigits() const;
    // The givens: the italic cells, or every filled cell when none is italic.
    solver::Cells givens() const;
    // Shows the refusal when a board cell holds a digit; true then.
    bool refuseFilledBoard();
    // Types each given into its cell as a user would, then puts the focus
    // on the first empty cell.
    void typeGivens(const solver::Cells& cells);
    void focusCell(int position);
    static std::string solvabilityText(const solver::Analysis& analysis);

    Program& program_;
    bool generating_ = false;
    CommandTable commands_;
};
