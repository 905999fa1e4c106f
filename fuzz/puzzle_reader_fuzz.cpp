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

#include "screens/program.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

// Swallows the platform's report of boxes and prints.
class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
};

// The temporary folder of the files and the names in it, without ".txt".
std::filesystem::path working_folder;
std::string puzzle_name;
std::string saved_name;

void clean_up() {
    std::error_code fail;
    std::filesystem::remove_all(working_folder, fail);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The files go to a fresh temporary folder, removed at the end.
    std::string pattern = (std::filesystem::temp_directory_path() / "sudoku-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    working_folder = pattern;
    puzzle_name = (working_folder / "puzzle").string();
    saved_name = (working_folder / "gespeichert").string();
    std::atexit(clean_up);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(puzzle_name + ".txt", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    NullBuffer buffer;
    std::ostream output(&buffer);
    toolkit::ScriptedPlatform platform(output);
    auto program = std::make_unique<Program>(platform);
    frm_sudoku_main& m = program->main;
    program->start_program();
    program->start.cmd_start.click();

    platform.queueInput(puzzle_name);
    m.cmd_einlesen_vorgabe.click();
    if (program->app.ended()) return 0;

    platform.queueInput(saved_name);
    m.cmd_save.click();
    if (m.cmd_einlesen_vorgabe.text() == "Datei einlesen") {
        platform.queueInput(puzzle_name);
        m.cmd_einlesen_vorgabe.click();
    }
    return 0;
}
