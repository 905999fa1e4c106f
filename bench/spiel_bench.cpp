// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game on the headless platform: the solution of a real puzzle typed
// key by key from cell 1 (each key through the cell's key filter, which moves
// the focus on), every move taken back again; and the restart of a full board.

#include <benchmark/benchmark.h>

#include "bench/spiel.h"

namespace {

bool brett_leer(const frm_sudoku_main& main) {
    for (int k = 1; k <= 81; ++k)
        if (!main.txt_m(k).text().empty()) return false;
    return main.back == 0;
}

void BM_VollesSpielUndZurueck(benchmark::State& state) {
    Spiel spiel;
    for (auto _ : state) {
        spiel.alles_tippen();
        if (spiel.main.back != 81) {
            state.SkipWithError("the solution was not accepted in full");
            break;
        }
        for (int m = 0; m < 81; ++m) spiel.main.cmd_back.click();
    }
    if (!brett_leer(spiel.main)) state.SkipWithError("undo left digits on the board");
}
BENCHMARK(BM_VollesSpielUndZurueck)->Unit(benchmark::kMicrosecond);

void BM_NeustartNachVollemSpiel(benchmark::State& state) {
    Spiel spiel;
    for (auto _ : state) {
        state.PauseTiming();
        spiel.alles_tippen();
        state.ResumeTiming();

        spiel.main.cmd_neustart.click();

        state.PauseTiming();
        if (!brett_leer(spiel.main) || !spiel.main.visible()) {
            state.SkipWithError("the restart did not empty the board");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NeustartNachVollemSpiel)->Unit(benchmark::kMicrosecond);

}  // namespace
