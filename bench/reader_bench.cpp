// SPDX-License-Identifier: GPL-3.0-or-later
// Time to read a puzzle of 81 moves on the headless platform, its content
// given from memory: the content is parsed, and every move is replayed
// through the digit entry with its conflict check, move records and check
// displays.

#include <benchmark/benchmark.h>

#include <memory>

#include "files/puzzle_line.h"
#include "tests/support/headless_game.h"

namespace {

// A solved board entered row by row; the first 30 moves are the givens, and
// three cells carry marks.
std::string fullGame() {
    puzzle::GameState recorded;
    recorded.anz_d_ziff = 30;
    recorded.back = 81;
    for (int k = 0; k < 81; ++k) {
        const int r = k / 9, c = k % 9;
        const auto digit = static_cast<toolkit::Integer>((r * 3 + r / 3 + c) % 9 + 1);
        recorded.zug_feld[k] = k + 1;
        recorded.moveText[k] = std::to_string(digit);
        recorded.zug_ziffer[k] = digit;
        recorded.given[k] = k < 30;
    }
    recorded.markierung[40] = "a";
    recorded.markierung[60] = "b";
    recorded.markierung[80] = "c";
    return puzzle::line(recorded);
}

void Read81Moves(benchmark::State& state) {
    const std::string content = fullGame();
    for (auto _ : state) {
        // Every read starts from a freshly started main screen.
        state.PauseTiming();
        auto game = std::make_unique<HeadlessGame<>>(Report::dropped);
        game->openMainScreen();
        state.ResumeTiming();

        game->main.readPuzzleBytes(content);

        state.PauseTiming();
        if (game->main.back != 81 || game->main.Vorgabe != toolkit::True)
            state.SkipWithError("the file was not read completely");
        game.reset();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(Read81Moves)->Unit(benchmark::kMicrosecond);
