// SPDX-License-Identifier: GPL-3.0-or-later
// How long one digit takes from the key press to the last display update,
// on the headless platform: an accepted digit (conflict check, move record,
// row, column, square, candidate and last-entry displays, count panel), a
// refused one (check, "!", message, emptied cell), and one undo.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>

#include "bench/game.h"

namespace {

// The 81 cells in a fixed random order, so that the board fills as in play.
std::array<int, 81> cellOrder() {
    std::array<int, 81> sequence;
    for (int i = 0; i < 81; ++i) sequence[i] = i + 1;
    std::shuffle(sequence.begin(), sequence.end(), std::mt19937(81));
    return sequence;
}

void BM_AcceptedDigit(benchmark::State& state) {
    Game game;
    const std::array<int, 81> sequence = cellOrder();
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == sequence.size()) {
            state.PauseTiming();
            game.undoAll();
            next = 0;
            state.ResumeTiming();
        }
        const int cell = sequence[next++];
        game.typeDigit(cell, solution(cell));
    }
    if (game.main.back != static_cast<int>(next)) state.SkipWithError("digit refused");
}
BENCHMARK(BM_AcceptedDigit);

void BM_RefusedDigit(benchmark::State& state) {
    Game game;
    // Half a board, so that the check reads filled and empty cells.
    const std::array<int, 81> sequence = cellOrder();
    for (int i = 0; i < 40; ++i) game.typeDigit(sequence[i], solution(sequence[i]));
    const int cell = sequence[40];
    // A digit that already stands in a filled cell of the same row.
    int wrongDigit = 0;
    const int first = (cell - 1) / 9 * 9 + 1;
    for (int k = first; k < first + 9; ++k)
        if (!game.main.txt_m(k).text().empty()) wrongDigit = solution(k);
    if (wrongDigit == 0) state.SkipWithError("no filled cell in the row");
    for (auto _ : state) game.typeDigit(cell, wrongDigit);
    if (!game.main.txt_m(cell).text().empty()) state.SkipWithError("digit accepted");
}
BENCHMARK(BM_RefusedDigit);

void BM_Undo(benchmark::State& state) {
    Game game;
    const std::array<int, 81> sequence = cellOrder();
    int placed = 0;
    for (auto _ : state) {
        if (placed == 0) {
            state.PauseTiming();
            for (int cell : sequence) game.typeDigit(cell, solution(cell));
            placed = 81;
            state.ResumeTiming();
        }
        game.main.cmd_back.click();
        --placed;
    }
}
BENCHMARK(BM_Undo);

}  // namespace
