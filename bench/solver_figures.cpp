// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the solver's figures on this machine: the solvability check on the
// hardest puzzles known, the slowest solvability answer over a sparse puzzle
// without a solution with its variants and over altered 17-given puzzles,
// the mean and longest time to generate a puzzle of each level, and the
// longest gap between two repaints of a window while puzzles are generated
// in the background. Run it on an idle machine:
//   build/bench/solver_figures [RUNS [PUZZLES_17 [COUNT]]]
// (QT_QPA_PLATFORM=offscreen where there is no display). PUZZLES_17 is a
// file of 17-given puzzles, one a line (default: Gordon Royle's collection
// in /work/shared/puzzles/ when it is there); the first COUNT of them
// (default 300) are altered.

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "screens/qt/qt_platform.h"
#include "solver/exact_solver.h"
#include "solver/explanation.h"
#include "solver/generator.h"
#include "solver/hint_plan.h"
#include "solver/puzzle_text.h"
#include "solver/solver.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values) sum += v;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

const solver::Level levels[] = {solver::Level::Leicht, solver::Level::Mittel, solver::Level::Schwer,
                                solver::Level::SehrSchwer, solver::Level::Extrem};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Puzzle {
    const char* name;
    const char* text;
};

// 17 givens without a solution, none repeated: QQwing's count needed about
// 40 s to show it.
const char* const sparse_without_solution =
    ".....5.8....6.1.43..........1.5........1.6...3.......553.....61........4.........";

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
    {"17 givens, no solution (sparse)", sparse_without_solution},
};

const char* const default_puzzles_17 = "/work/shared/puzzles/royle17-all-49151.txt";

// One position of a puzzle as another: row r of the result is row rows[r]
// of the source (column likewise), digits relabelled, optionally transposed.
solver::Cells transformed(const solver::Cells& cells, const std::array<int, 9>& rows,
                          const std::array<int, 9>& columns, bool transpose,
                          const std::array<int, 10>& digits) {
    solver::Cells result{};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            result[transpose ? c * 9 + r : r * 9 + c] = digits[cells[rows[r] * 9 + columns[c]]];
    return result;
}

// The puzzle transposed, mirrored both ways, turned, relabelled by every
// shift of its digits, and in random positions of the same puzzle (bands
// and stacks shuffled, rows and columns within them, digits relabelled).
std::vector<solver::Cells> variants(const solver::Cells& cells, int randomCount) {
    std::array<int, 9> same{}, reversed{};
    std::array<int, 10> digits{};
    for (int i = 0; i < 9; ++i) same[i] = i, reversed[i] = 8 - i;
    for (int d = 0; d < 10; ++d) digits[d] = d;
    std::vector<solver::Cells> result{
        cells,
        transformed(cells, same, same, true, digits),
        transformed(cells, same, reversed, false, digits),
        transformed(cells, reversed, same, false, digits),
        transformed(cells, reversed, reversed, false, digits),
    };
    for (int shift = 1; shift < 9; ++shift) {
        std::array<int, 10> relabelled{};
        for (int d = 1; d <= 9; ++d) relabelled[d] = (d - 1 + shift) % 9 + 1;
        result.push_back(transformed(cells, same, same, false, relabelled));
    }
    std::mt19937 random(1);
    const auto shuffledLines = [&random] {
        std::array<int, 3> bands{0, 1, 2};
        std::shuffle(bands.begin(), bands.end(), random);
        std::array<int, 9> lines{};
        for (int b = 0; b < 3; ++b) {
            std::array<int, 3> within{0, 1, 2};
            std::shuffle(within.begin(), within.end(), random);
            for (int i = 0; i < 3; ++i) lines[b * 3 + i] = bands[b] * 3 + within[i];
        }
        return lines;
    };
    for (int i = 0; i < randomCount; ++i) {
        std::array<int, 10> relabelled{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        std::shuffle(relabelled.begin() + 1, relabelled.end(), random);
        const std::array<int, 9> rows = shuffledLines(), columns = shuffledLines();
        result.push_back(transformed(cells, rows, columns, random() % 2 == 1, relabelled));
    }
    return result;
}

// Each given removed, and each given changed to each other digit.
void addAlterations(const solver::Cells& cells, std::vector<solver::Cells>& cases) {
    for (int p = 0; p < 81; ++p) {
        if (cells[p] == 0) continue;
        for (int d = 0; d <= 9; ++d) {
            if (d == cells[p]) continue;
            solver::Cells altered = cells;
            altered[p] = d;
            cases.push_back(altered);
        }
    }
}

std::string puzzleLine(const solver::Cells& cells) {
    std::string line;
    for (int d : cells) line += d == 0 ? '.' : static_cast<char>('0' + d);
    return line;
}

// Times solver::analyse (what "Lösbarkeit prüfen" and "Eingaben prüfen"
// run) on every case: the median of three runs for the solver's own cost
// (a single run may include a moment the machine gave the processor to
// another program), and the longest single run.
void printSlowest(const std::string& what, const std::vector<solver::Cells>& cases) {
    double slowest = 0, longest = 0;
    std::size_t slowestCase = 0;
    std::int64_t mostNodes = 0;
    int counts[3] = {}, unsettled = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::vector<double> times;
        solver::Analysis analysis;
        for (int run = 0; run < 3; ++run) {
            const Clock::time_point start = Clock::now();
            analysis = solver::analyse(cases[i]);
            times.push_back(millisecondsSince(start));
        }
        longest = std::max(longest, *std::max_element(times.begin(), times.end()));
        if (median(times) > slowest) {
            slowest = median(times);
            slowestCase = i;
        }
        if (!analysis.settled) ++unsettled;
        ++counts[std::clamp(analysis.solutions, 0, 2)];
        mostNodes = std::max(mostNodes, solver::countSolutions(cases[i]).nodes);
    }
    std::printf(
        "  %s: %zu cases (%d without a solution, %d with one, %d with several, %d unsettled)\n"
        "    slowest case %.2f ms (median of 3 runs), longest single run %.2f ms,\n"
        "    most search nodes of a count %lld (the work bound is %lld)\n"
        "    slowest: %s\n",
        what.c_str(), cases.size(), counts[0], counts[1], counts[2], unsettled, slowest, longest,
        static_cast<long long>(mostNodes), static_cast<long long>(solver::default_node_limit),
        puzzleLine(cases[slowestCase]).c_str());
}

// Up to count puzzles of a file, one a line.
std::vector<solver::Cells> readPuzzles(const std::string& path, int count) {
    std::vector<solver::Cells> puzzles;
    std::ifstream file(path);
    for (std::string line; static_cast<int>(puzzles.size()) < count && std::getline(file, line);)
        if (line.size() >= 81) puzzles.push_back(solver::readPuzzleText(line.substr(0, 81)).cells);
    return puzzles;
}

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

    std::printf(
        "Solvability check: the count (median and longest of %d runs), then the ladder's "
        "rating (one run):\n",
        runs);
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
        std::string rated;
        if (analysis.solutions == 1) {
            const Clock::time_point start = Clock::now();
            const solver::Rating rating = solver::rate(text.cells, {.uniqueSolution = true});
            char line[64];
            std::snprintf(line, sizeof line, "%s in %.1f ms",
                          std::string(solver::levelName(rating.level)).c_str(),
                          millisecondsSince(start));
            rated = line;
        }
        std::printf("  %-34s %2d givens, %-13s median %7.2f ms, longest %7.2f ms; %s\n",
                    puzzle.name, givens,
                    analysis.solutions == 1   ? "one solution,"
                    : analysis.solutions == 0 ? "no solution,"
                                              : "several,",
                    median(times), *std::max_element(times.begin(), times.end()), rated.c_str());
    }

    std::printf("Slowest solvability answer:\n");
    printSlowest("the sparse puzzle without a solution and its variants",
                 variants(solver::readPuzzleText(sparse_without_solution).cells, 2000));
    const std::string puzzles17 = argc > 2 ? argv[2] : default_puzzles_17;
    const int count17 = argc > 3 ? std::max(1, std::atoi(argv[3])) : 300;
    const std::vector<solver::Cells> originals = readPuzzles(puzzles17, count17);
    std::vector<solver::Cells> altered;
    for (const solver::Cells& puzzle : originals) addAlterations(puzzle, altered);
    if (altered.empty()) {
        std::printf("  (no puzzles in %s: altered 17-given puzzles left out)\n", puzzles17.c_str());
    } else {
        printSlowest("the first " + std::to_string(originals.size()) + " puzzles of " + puzzles17 +
                         ", each given removed or changed",
                     altered);
        printSlowest("the same puzzles unaltered", originals);
    }

    std::printf("Generation (seeds 1 to %d):\n", runs);
    for (solver::Level level : levels) {
        std::vector<double> times;
        for (int seed = 1; seed <= runs; ++seed) {
            const Clock::time_point start = Clock::now();
            solver::generate(level, static_cast<unsigned>(seed));
            times.push_back(millisecondsSince(start));
        }
        std::printf("  %-12s mean %8.1f ms, median %8.1f ms, longest %8.1f ms\n",
                    std::string(solver::levelName(level)).c_str(), mean(times), median(times),
                    *std::max_element(times.begin(), times.end()));
    }

    // The program's own way to generate: a worker thread under a busy
    // cursor while the window keeps repainting.
    Painter window;
    window.show();
    qtfront::QtPlatform platform;
    double longestGap = 0, longestWork = 0;
    for (solver::Level level : levels) {
        for (int seed = 1; seed <= runs; ++seed) {
            QApplication::processEvents();
            window.reset();
            const Clock::time_point start = Clock::now();
            platform.runInBackground(
                [level, seed] { solver::generate(level, static_cast<unsigned>(seed)); });
            longestWork = std::max(longestWork, millisecondsSince(start));
            longestGap = std::max(longestGap, window.longest());
        }
    }
    std::printf(
        "Repaints while generating in the background (%d puzzles of each level, "
        "longest generation %.1f ms): longest gap between two repaints %.1f ms\n",
        runs, longestWork, longestGap);
    return 0;
}
