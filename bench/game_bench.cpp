// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game on the headless platform: the solution of a real puzzle typed
// key by key from cell 1 (each key through the cell's key filter, which moves
// the focus on), every move taken back again; the restart of a full board
// and its undo; an early entry taken out of a full board; the board
// cell's menu, which asks whether wrong entries can be taken out.

#include <benchmark/benchmark.h>

#include <string_view>

#include "bench/game.h"
#include "screens/toolkit/key_chord.h"

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

// Ctrl+Z right after the restart: the full game read back from memory.
void BM_RestartTakenBack(benchmark::State& state) {
    Game game;
    const toolkit::KeyChord undo = *toolkit::chordFromName("Ctrl+Z");
    for (auto _ : state) {
        state.PauseTiming();
        game.typeAll();
        game.main.cmd_neustart.click();
        state.ResumeTiming();

        game.main.pressChord(undo, nullptr);

        state.PauseTiming();
        if (game.main.back != 81) {
            state.SkipWithError("the restart was not taken back");
            break;
        }
        game.main.cmd_neustart.click();
        game.typeKey(1, '5');  // the kept game is gone with the next digit
        game.main.cmd_back.click();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RestartTakenBack)->Unit(benchmark::kMicrosecond);

// The first own entry taken out of a full board: 51 moves taken back, 50
// typed again. The first 30 cells are the givens.
void BM_EarlyEntryTakenOut(benchmark::State& state) {
    Game game;
    for (auto _ : state) {
        state.PauseTiming();
        game.main.cmd_neustart.click();
        game.main.setFocus(game.main.txt_m(1));
        for (int k = 1; k <= 30; ++k) game.program->app.focus()->pressKey('0' + solution(k));
        game.main.cmd_einlesen_vorgabe.click();
        for (int k = 31; k <= 81; ++k) game.typeDigit(k, solution(k));
        const std::vector<toolkit::MenuItem> menu = game.main.txt_m(31).contextMenuItems();
        const toolkit::MenuItem* item = toolkit::findMenuItem(menu, "Diese Eingabe entfernen");
        if (!item) {
            state.SkipWithError("no menu item to take the entry out");
            break;
        }
        state.ResumeTiming();

        game.program->app.runUserEvent(item->action);

        state.PauseTiming();
        if (game.main.back != 80 || !game.main.txt_m(31).text().empty()) {
            state.SkipWithError("the entry was not taken out");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EarlyEntryTakenOut)->Unit(benchmark::kMicrosecond);

// The board cell's menu as it opens in a game of the puzzle with 20 own
// entries, the last of them wrong: the solver's answer is kept between
// openings.
void BM_BoardMenuWithWrongEntries(benchmark::State& state) {
    constexpr std::string_view puzzle =
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    Game game;
    for (int k = 1; k <= 81; ++k)
        if (puzzle[k - 1] != '.') game.typeDigit(k, solution(k));
    game.main.cmd_einlesen_vorgabe.click();
    int own = 0;
    for (int k = 1; k <= 81 && own < 19; ++k)
        if (puzzle[k - 1] == '.') {
            game.typeDigit(k, solution(k));
            ++own;
        }
    game.typeDigit(73, 2);  // the solution has 3 there
    for (auto _ : state) {
        const std::vector<toolkit::MenuItem> menu = game.main.txt_m(40).contextMenuItems();
        if (!toolkit::findMenuItem(menu, "Falsche Eingaben entfernen")) {
            state.SkipWithError("the wrong entry is not offered for taking out");
            break;
        }
    }
}
BENCHMARK(BM_BoardMenuWithWrongEntries)->Unit(benchmark::kMicrosecond);

}  // namespace
