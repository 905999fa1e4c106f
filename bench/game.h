// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program on the headless platform with its main screen open, for the
// benchmarks; messages go nowhere.

#include <string_view>

#include "tests/support/headless_game.h"

// The solution of a real puzzle, row by row.
inline constexpr std::string_view solved_puzzle =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

inline int solution(int cell) {
    return solved_puzzle[static_cast<std::size_t>(cell - 1)] - '0';
}

struct Game : HeadlessGame<> {
    Game() : HeadlessGame(Report::dropped) { openMainScreen(); }

    // A key press in the cell, as a click into it and a key would give.
    void typeDigit(int cell, int digit) { typeKey(cell, static_cast<char>('0' + digit)); }
    // Cell 1 is clicked, then the whole solution typed key by key: the key
    // filter moves the focus on, so each key lands in the next cell.
    void typeAll() {
        main.setFocus(main.txt_m(1));
        for (char digit : solved_puzzle) program->app.focus()->pressKey(digit);
    }
    void undoAll() {
        while (main.back > 0) main.cmd_back.click();
    }
};
