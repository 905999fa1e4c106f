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

#include "files/puzzle_zeile.h"
#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

class Nirgends : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
};

// A solved board entered row by row; the first 30 moves are the givens, and
// three cells carry marks.
std::string volles_spiel() {
    puzzle::Spielstand stand;
    stand.anz_d_ziff = 30;
    stand.back = 81;
    for (int k = 0; k < 81; ++k) {
        const int r = k / 9, c = k % 9;
        const auto ziffer = static_cast<toolkit::Integer>((r * 3 + r / 3 + c) % 9 + 1);
        stand.zug_feld[k] = k + 1;
        stand.zug_text[k] = std::to_string(ziffer);
        stand.zug_ziffer[k] = ziffer;
        stand.vorgabe[k] = k < 30;
    }
    stand.markierung[40] = "a";
    stand.markierung[60] = "b";
    stand.markierung[80] = "c";
    return puzzle::zeile(stand);
}

void Einlesen81Zuege(benchmark::State& state) {
    std::string muster = (std::filesystem::temp_directory_path() / "sudoku-bench-XXXXXX").string();
    if (!::mkdtemp(muster.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path ordner = muster;
    const std::string name = (ordner / "spiel").string();
    std::ofstream(name + ".txt", std::ios::binary) << volles_spiel();

    Nirgends puffer;
    std::ostream ausgabe(&puffer);
    toolkit::ScriptedPlatform platform(ausgabe);
    for (auto _ : state) {
        // Every read starts from a freshly started main screen.
        state.PauseTiming();
        auto programm = std::make_unique<Programm>(platform);
        programm->starten();
        programm->start.cmd_start.click();
        platform.queueInput(name);
        state.ResumeTiming();

        programm->main.cmd_einlesen_vorgabe.click();

        state.PauseTiming();
        if (programm->main.back != 81 || programm->main.Vorgabe != toolkit::True)
            state.SkipWithError("the file was not read completely");
        programm.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(ordner);
}

}  // namespace

BENCHMARK(Einlesen81Zuege)->Unit(benchmark::kMicrosecond);
