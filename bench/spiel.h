// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program on the headless platform with its main screen open, for the
// benchmarks; messages go nowhere.

#include <memory>
#include <ostream>
#include <string_view>

#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"

// The solution of a real puzzle, row by row.
inline constexpr std::string_view geloestes_raetsel =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

inline int loesung(int zelle) {
    return geloestes_raetsel[static_cast<std::size_t>(zelle - 1)] - '0';
}

struct Spiel {
    std::ostream nirgends{nullptr};
    toolkit::ScriptedPlatform plattform{nirgends};
    std::unique_ptr<Programm> programm = std::make_unique<Programm>(plattform);
    frm_sudoku_main& main = programm->main;

    Spiel() {
        programm->starten();
        programm->start.cmd_start.click();
    }

    // A key press in the cell, as a click into it and a key would give.
    void tippen(int zelle, int ziffer) {
        main.setFocus(main.txt_m(zelle));
        main.txt_m(zelle).pressKey('0' + ziffer);
    }
    // Cell 1 is clicked, then the whole solution typed key by key: the key
    // filter moves the focus on, so each key lands in the next cell.
    void alles_tippen() {
        main.setFocus(main.txt_m(1));
        for (char ziffer : geloestes_raetsel) programm->app.focus()->pressKey(ziffer);
    }
    void alles_zurueck() {
        while (main.back > 0) main.cmd_back.click();
    }
};
