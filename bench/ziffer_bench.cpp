// How long one digit takes from the key press to the last display update,
// on the headless platform: an accepted digit (conflict check, move record,
// row, column, square, candidate and last-entry displays, count panel), a
// refused one (check, "!", message, emptied cell), and one undo.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>
#include <random>

#include "screens/programm.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

// A solved board: row r, column c (from 0) holds this digit.
int loesung(int k) {
    const int r = (k - 1) / 9, c = (k - 1) % 9;
    return (r % 3 * 3 + r / 3 + c) % 9 + 1;
}

// The program with its main screen open; messages go nowhere.
struct Spiel {
    std::ostream nirgends{nullptr};
    toolkit::ScriptedPlatform plattform{nirgends};
    std::unique_ptr<Programm> programm = std::make_unique<Programm>(plattform);
    frm_sudoku_main& main = programm->main;

    Spiel() {
        programm->starten();
        programm->start.cmd_start.click();
    }
    void tippen(int zelle, int ziffer) { main.txt_m(zelle).pressKey('0' + ziffer); }
    void alles_zurueck() {
        while (main.back > 0) main.cmd_back_Click();
    }
};

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
    const int falsch = loesung(zelle) % 9 + 1;  // stands elsewhere in its row
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
