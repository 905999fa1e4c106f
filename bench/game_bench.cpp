// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game on the headless platform: the solution of a real puzzle typed
// key by key from cell 1 (each key through the cell's key filter, which moves
// the focus on), every move taken back again; and the restart of a full board.

#include <benchmark/benchmark.h>

#include "bench/game.h"

namespace {

bool boardEmpty(const frm_sudoku_main& main) {
    for (int k = 1; k <= 81; ++k)
        if (!main.txt_m(k).text().empty()) return false;
    return main.back == 0;
}

void BM_FullGameAndUndo(benchmark::State& state) {
    Game game;
    for (auto _ : state) {
        game.typeAll();
        if (game.main.back != 81) {
            state.SkipWithError("the solution was not accepted in full");
            break;
        }
        for (int m = 0; m < 81; ++m) game.main.cmd_back.click();
    }
    if (!boardEmpty(game.main)) state.SkipWithError("undo left digits on the board");
}
BENCHMARK(BM_FullGameAndUndo)->Unit(benchmark::kMicrosecond);

void BM_RestartAfterFullGame(benchmark::State& state) {
    Game game;
    for (auto _ : state) {
        state.PauseTiming();
        game.typeAll();
        state.ResumeTiming();

        game.main.cmd_neustart.click();

        state.PauseTiming();
        if (!boardEmpty(game.main) || !game.main.visible()) {
            state.SkipWithError("the restart did not empty the board");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RestartAfterFullGame)->Unit(benchmark::kMicrosecond);

}  // namespace
