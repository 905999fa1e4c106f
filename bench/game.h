// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program on the headless platform with its main screen open, for the
// benchmarks; messages go nowhere.

#include <memory>
#include <ostream>
#include <string_view>

#include "screens/program.h"
#include "screens/toolkit/scripted_platform.h"

// The solution of a real puzzle, row by row.
inline constexpr std::string_view solved_puzzle =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

inline int solution(int cell) {
    return solved_puzzle[static_cast<std::size_t>(cell - 1)] - '0';
}

struct Game {
    std::ostream nowhere{nullptr};
    toolkit::ScriptedPlatform platform{nowhere};
    std::unique_ptr<Program> program = std::make_unique<Program>(platform);
    frm_sudoku_main& main = program->main;

    Game() {
        program->start_program();
        program->start.cmd_start.click();
    }

    // A key press in the cell, as a click into it and a key would give.
    void type_text(int cell, int digit) {
        main.setFocus(main.txt_m(cell));
        main.txt_m(cell).pressKey('0' + digit);
    }
    // Cell 1 is clicked, then the whole solution typed key by key: the key
    // filter moves the focus on, so each key lands in the next cell.
    void type_all() {
        main.setFocus(main.txt_m(1));
        for (char digit : solved_puzzle) program->app.focus()->pressKey(digit);
    }
    void undo_all() {
        while (main.back > 0) main.cmd_back.click();
    }
};
