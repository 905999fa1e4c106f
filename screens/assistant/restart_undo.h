// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "screens/toolkit/numbers.h"

class Program;
class Redo;
namespace toolkit {
class Element;
}

// Takes a restart back: "Neu starten" keeps the game it clears, and until a
// digit stands on the board again, the game comes back exactly as it stood.
// The game is kept as the bytes of its puzzle file and read back through the
// puzzle reader, which replays every move through the digit entry; what a
// file does not hold (the working variables, the captions of the last-entry
// display and of the panels, the buttons' states, the focus) is kept beside
// it and laid over the result.
class RestartUndo {
  public:
    RestartUndo(Program& program, Redo& redo);
    ~RestartUndo();
    RestartUndo(const RestartUndo&) = delete;
    RestartUndo& operator=(const RestartUndo&) = delete;

    // Whether there is a restart to take back now.
    bool available() const;
    // Brings back the game the last restart cleared.
    void undo();

  private:
    struct Kept {
        std::string bytes;
        // The screen's variables, in the order the screen declares them.
        std::string zl;
        toolkit::Integer z, wo_w, wo_s, wo_q, alt_z, mark, q_s, q_n, anz_d_ziff, beenden, Vorgabe,
            nicht_neu, Einlesen;
        std::array<std::string, 81> lastEntry;  // lbl_c(1..81)
        std::array<std::string, 4> panels;      // lbl_erkl(1), (2), (4), (5)
        std::string testText;                   // txt_test
        std::string readCaption;                // cmd_einlesen_vorgabe
        bool readEnabled, backEnabled;
        toolkit::Element* focus;
    };
    // Whether the board is as a restart leaves it: no digit, no move, no mark.
    bool boardCleared() const;
    Kept keep() const;
    void beforeRestart();
    void afterInput();

    Program& program_;
    Redo& redo_;
    int listener_ = 0;
    std::optional<Kept> kept_;
};
