// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

class Program;

// Puts back the moves that "1 Schritt zurück" has taken back, the one taken
// back last first, by typing each into its cell as the user would. It
// follows the board after every input: moves taken back are kept for
// redoing, a move put back (by redo, or typed again by hand) leaves them,
// and any other change of the moves (a new digit, a file read) ends what can
// be redone.
class Redo {
  public:
    explicit Redo(Program& program);
    ~Redo();
    Redo(const Redo&) = delete;
    Redo& operator=(const Redo&) = delete;

    // Whether a move can be put back now.
    bool available() const;
    // Puts back the move taken back last.
    void redo();
    // Ends what can be redone with the input now running, which changes the
    // board otherwise than by undo (a restart, entries taken out).
    void forget();

  private:
    // A recorded move: the position of its cell (-1 where the record names
    // none) and its digit.
    struct Move {
        int position = -1;
        int digit = 0;
        bool operator==(const Move&) const = default;
    };
    std::vector<Move> recordedMoves() const;
    void afterInput();

    Program& program_;
    int listener_ = 0;
    // The moves as the last input left them.
    std::vector<Move> moves_;
    // The moves taken back; the one to put back next at the end.
    std::vector<Move> takenBack_;
    // The input during which forget() was called; 0: none.
    std::uint64_t forgetInput_ = 0;
};
