// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program on the headless platform, as the unit tests, the benchmarks and
// the fuzzer drive it.

#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "screens/program.h"
#include "screens/toolkit/scripted_platform.h"
#include "tests/support/failure_number.h"

// Whether the platform's report of boxes, prints and the program's end is
// kept in `output` or dropped (for runs that repeat a step many times).
enum class Report { kept, dropped };

// The three screens on a headless platform of type P: the scripted platform
// or a test's own subclass of it. The program is created, not started.
template <class P = toolkit::ScriptedPlatform>
struct HeadlessGame {
    explicit HeadlessGame(Report report = Report::kept)
        : platform(report == Report::kept ? output : nowhere) {}

    // Starts the program (the start screen shows) and, with "Sudoku
    // starten", opens the main screen.
    void openMainScreen() {
        program->startProgram();
        program->start.cmd_start.click();
    }
    // A click into the cell, then one key.
    void typeKey(int cell, char key) {
        main.setFocus(main.txt_m(cell));
        main.txt_m(cell).pressKey(key);
    }
    // "Speichern" and "Datei einlesen" with that name typed into the prompt.
    void save(const std::string& name) {
        platform.queueInput(name);
        main.cmd_save.click();
    }
    void readPuzzle(const std::string& name) {
        platform.queueInput(name);
        main.cmd_einlesen_vorgabe.click();
    }
    bool ended() const { return program->app.ended(); }

    std::ostringstream output;
    std::ostream nowhere{nullptr};
    P platform;
    std::unique_ptr<Program> program = std::make_unique<Program>(platform);
    frm_sudoku_main& main = program->main;
};
