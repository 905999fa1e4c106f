// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the solver's figures on this machine: the solvability check on the
// hardest puzzles known, the median time to generate a puzzle of each
// difficulty, and the longest gap between two repaints of a window while
// puzzles are generated in the background. Run it on an idle machine:
//   build/bench/solver_figures [RUNS]
// (QT_QPA_PLATFORM=offscreen where there is no display).

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "screens/qt/qt_platform.h"
#include "solver/puzzle_text.h"
#include "solver/solver.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Puzzle {
    const char* name;
    const char* text;
};

// Puzzles known as the hardest: 17-given ones (the fewest givens a puzzle
// with one solution can have; the first one defeats brute-force solvers)
// and the famous hardest puzzles for human solvers (21 givens).
const Puzzle hardest[] = {
    {"17 givens, hard for brute force",
     "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9"},
    {"17 givens, a minimal puzzle (A)",
     ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6..."},
    {"17 givens, a minimal puzzle (B)",
     "000000012000035000000600070700000300000400800100000000000120000080000040050000600"},
    {"17 givens, a minimal puzzle (C)",
     "000000012003600000000007000410020000000500300700000600280000040000300500000000000"},
    {"Easter Monster",
     "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1"},
    {"Inkala 2012",
     "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."},
};

// A window that repaints as often as it can and keeps the longest gap
// between two of its repaints.
class Painter : public QWidget {
  public:
    Painter() {
        resize(200, 200);
        connect(&timer_, &QTimer::timeout, this, [this] { update(); });
        timer_.start(1);
    }
    void reset() {
        last_ = Clock::now();
        longest_ = 0;
    }
    double longest() const { return longest_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        const Clock::time_point now = Clock::now();
        longest_ =
            std::max(longest_, std::chrono::duration<double, std::milli>(now - last_).count());
        last_ = now;
    }

  private:
    QTimer timer_;
    Clock::time_point last_ = Clock::now();
    double longest_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    std::printf("Solvability check (median and longest of %d runs):\n", runs);
    for (const Puzzle& puzzle : hardest) {
        const solver::PuzzleText text = solver::readPuzzleText(puzzle.text);
        const int givens = static_cast<int>(
            std::count_if(text.cells.begin(), text.cells.end(), [](int d) { return d != 0; }));
        std::vector<double> times;
        solver::Analysis analysis;
        for (int i = 0; i < runs; ++i) {
            const Clock::time_point start = Clock::now();
            analysis = solver::analyse(text.cells);
            times.push_back(millisecondsSince(start));
        }
        std::printf("  %-34s %2d givens, %-13s %-11s median %7.2f ms, longest %7.2f ms\n",
                    puzzle.name, givens,
                    analysis.solutions == 1   ? "one solution,"
                    : analysis.solutions == 0 ? "no solution,"
                                              : "several,",
                    std::string(solver::difficultyName(analysis.difficulty)).c_str(), median(times),
                    *std::max_element(times.begin(), times.end()));
    }

    std::printf("Generation (seeds 1 to %d):\n", runs);
    for (solver::Difficulty difficulty :
         {solver::Difficulty::Simple, solver::Difficulty::Easy, solver::Difficulty::Intermediate,
          solver::Difficulty::Expert}) {
        std::vector<double> times;
        for (int seed = 1; seed <= runs; ++seed) {
            const Clock::time_point start = Clock::now();
            solver::generate(difficulty, static_cast<unsigned>(seed));
            times.push_back(millisecondsSince(start));
        }
        std::printf("  %-12s median %8.1f ms, longest %8.1f ms\n",
                    std::string(solver::difficultyName(difficulty)).c_str(), median(times),
                    *std::max_element(times.begin(), times.end()));
    }

    // The program's own way to generate: a worker thread under a busy
    // cursor while the window keeps repainting.
    Painter window;
    window.show();
    qtfront::QtPlatform platform;
    double longestGap = 0, longestWork = 0;
    for (solver::Difficulty difficulty :
         {solver::Difficulty::Simple, solver::Difficulty::Easy, solver::Difficulty::Intermediate,
          solver::Difficulty::Expert}) {
        for (int seed = 1; seed <= runs; ++seed) {
            QApplication::processEvents();
            window.reset();
            const Clock::time_point start = Clock::now();
            platform.runInBackground(
                [difficulty, seed] { solver::generate(difficulty, static_cast<unsigned>(seed)); });
            longestWork = std::max(longestWork, millisecondsSince(start));
            longestGap = std::max(longestGap, window.longest());
        }
    }
    std::printf(
        "Repaints while generating in the background (%d puzzles of each difficulty, "
        "longest generation %.1f ms): longest gap between two repaints %.1f ms\n",
        runs, longestWork, longestGap);
    return 0;
}
