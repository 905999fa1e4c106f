// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a puzzle file, read through the real
// main screen on the headless platform, which answers every box. What the
// read leaves behind is saved, and read over once more when the button still
// offers it, so that the writer and a read laid over a board are tried too.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <streambuf>

#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

// Swallows the platform's report of boxes and prints.
class Nirgends : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
};

// The temporary folder of the files and the names in it, without ".txt".
std::filesystem::path arbeitsordner;
std::string puzzle_name;
std::string gespeichert_name;

void aufraeumen() {
    std::error_code fehler;
    std::filesystem::remove_all(arbeitsordner, fehler);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The files go to a fresh temporary folder, removed at the end.
    std::string muster = (std::filesystem::temp_directory_path() / "sudoku-fuzz-XXXXXX").string();
    if (!::mkdtemp(muster.data())) std::abort();
    arbeitsordner = muster;
    puzzle_name = (arbeitsordner / "puzzle").string();
    gespeichert_name = (arbeitsordner / "gespeichert").string();
    std::atexit(aufraeumen);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream datei(puzzle_name + ".txt", std::ios::binary | std::ios::trunc);
        datei.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Nirgends puffer;
    std::ostream ausgabe(&puffer);
    toolkit::ScriptedPlatform platform(ausgabe);
    auto programm = std::make_unique<Programm>(platform);
    frm_sudoku_main& m = programm->main;
    programm->starten();
    programm->start.cmd_start.click();

    platform.queueInput(puzzle_name);
    m.cmd_einlesen_vorgabe.click();
    if (programm->app.ended()) return 0;

    platform.queueInput(gespeichert_name);
    m.cmd_save.click();
    if (m.cmd_einlesen_vorgabe.text() == "Datei einlesen") {
        platform.queueInput(puzzle_name);
        m.cmd_einlesen_vorgabe.click();
    }
    return 0;
}
