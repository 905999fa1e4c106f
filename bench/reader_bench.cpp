// SPDX-License-Identifier: GPL-3.0-or-later
// Time to read a puzzle file of 81 moves on the headless platform: the file
// is opened and parsed, and every move is replayed through the digit entry
// with its conflict check, move records and check displays.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <streambuf>

#include "files/puzzle_line.h"
#include "screens/program.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
};

// A solved board entered row by row; the first 30 moves are the givens, and
// three cells carry marks.
std::string full_game() {
    puzzle::GameState stand;
    stand.anz_d_ziff = 30;
    stand.back = 81;
    for (int k = 0; k < 81; ++k) {
        const int r = k / 9, c = k % 9;
        const auto digit = static_cast<toolkit::Integer>((r * 3 + r / 3 + c) % 9 + 1);
        stand.zug_feld[k] = k + 1;
        stand.move_text[k] = std::to_string(digit);
        stand.zug_ziffer[k] = digit;
        stand.given[k] = k < 30;
    }
    stand.markierung[40] = "a";
    stand.markierung[60] = "b";
    stand.markierung[80] = "c";
    return puzzle::line(stand);
}

void Read81Moves(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "sudoku-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path folder = pattern;
    const std::string name = (folder / "spiel").string();
    std::ofstream(name + ".txt", std::ios::binary) << full_game();

    NullBuffer buffer;
    std::ostream output(&buffer);
    toolkit::ScriptedPlatform platform(output);
    for (auto _ : state) {
        // Every read starts from a freshly started main screen.
        state.PauseTiming();
        auto program = std::make_unique<Program>(platform);
        program->start_program();
        program->start.cmd_start.click();
        platform.queueInput(name);
        state.ResumeTiming();

        program->main.cmd_einlesen_vorgabe.click();

        state.PauseTiming();
        if (program->main.back != 81 || program->main.Vorgabe != toolkit::True)
            state.SkipWithError("the file was not read completely");
        program.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(Read81Moves)->Unit(benchmark::kMicrosecond);
