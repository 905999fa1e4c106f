// SPDX-License-Identifier: GPL-3.0-or-later
// How long one digit takes from the key press to the last display update,
// on the headless platform: an accepted digit (conflict check, move record,
// row, column, square, candidate and last-entry displays, count panel), a
// refused one (check, "!", message, emptied cell), and one undo.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>

#include "bench/spiel.h"

namespace {

// The 81 cells in a fixed random order, so that the board fills as in play.
std::array<int, 81> zellenfolge() {
    std::array<int, 81> folge;
    for (int i = 0; i < 81; ++i) folge[i] = i + 1;
    std::shuffle(folge.begin(), folge.end(), std::mt19937(81));
    return folge;
}

void BM_AngenommeneZiffer(benchmark::State& state) {
    Spiel spiel;
    const std::array<int, 81> folge = zellenfolge();
    std::size_t naechste = 0;
    for (auto _ : state) {
        if (naechste == folge.size()) {
            state.PauseTiming();
            spiel.alles_zurueck();
            naechste = 0;
            state.ResumeTiming();
        }
        const int zelle = folge[naechste++];
        spiel.tippen(zelle, loesung(zelle));
    }
    if (spiel.main.back != static_cast<int>(naechste)) state.SkipWithError("digit refused");
}
BENCHMARK(BM_AngenommeneZiffer);

void BM_AbgelehnteZiffer(benchmark::State& state) {
    Spiel spiel;
    // Half a board, so that the check reads filled and empty cells.
    const std::array<int, 81> folge = zellenfolge();
    for (int i = 0; i < 40; ++i) spiel.tippen(folge[i], loesung(folge[i]));
    const int zelle = folge[40];
    // A digit that already stands in a filled cell of the same row.
    int falsch = 0;
    const int erste = (zelle - 1) / 9 * 9 + 1;
    for (int k = erste; k < erste + 9; ++k)
        if (!spiel.main.txt_m(k).text().empty()) falsch = loesung(k);
    if (falsch == 0) state.SkipWithError("no filled cell in the row");
    for (auto _ : state) spiel.tippen(zelle, falsch);
    if (!spiel.main.txt_m(zelle).text().empty()) state.SkipWithError("digit accepted");
}
BENCHMARK(BM_AbgelehnteZiffer);

void BM_Zurueck(benchmark::State& state) {
    Spiel spiel;
    const std::array<int, 81> folge = zellenfolge();
    int gesetzt = 0;
    for (auto _ : state) {
        if (gesetzt == 0) {
            state.PauseTiming();
            for (int zelle : folge) spiel.tippen(zelle, loesung(zelle));
            gesetzt = 81;
            state.ResumeTiming();
        }
        spiel.main.cmd_back.click();
        --gesetzt;
    }
}
BENCHMARK(BM_Zurueck);

}  // namespace
