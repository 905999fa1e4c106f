// SPDX-License-Identifier: GPL-3.0-or-later
// sudoku-steps [--steps] FILE...: rates every puzzle of the files (one
// puzzle of 81 cells a line, "0" or "." empty; "-" reads standard input)
// with the hint's technique ladder. Per puzzle one line
//   PUZZLE<TAB>LEVEL<TAB>solved|stuck<TAB>PLACED/EMPTY<TAB>TECHNIQUES<TAB>MICROSECONDS
// and with --steps, before it, each step of the ladder as
//   TECHNIQUE<TAB>ELIMINATIONS<TAB>PLACEMENTS   (r3c7-5, r6c4=1)
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "solver/explanation.h"
#include "solver/hint_plan.h"
#include "solver/puzzle_text.h"
#include "solver/solver.h"
#include "solver/step_text.h"

namespace {

using namespace solver;

// The thread's CPU time: what the rating costs, also on a busy machine.
long cpuMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000000L + t.tv_nsec / 1000;
}

std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

void ratePuzzle(const Cells& givens, bool steps) {
    // The uniqueness techniques only for puzzles with exactly one solution,
    // as for the hint.
    const LadderOptions options{analyse(givens).solutions == 1};
    const long start = cpuMicroseconds();
    const Rating rating = rate(givens, options);
    const long micros = cpuMicroseconds() - start;
    if (steps)
        for (const Step& step : rating.solution.steps)
            std::cout << techniqueName(step.technique) << '\t'
                      << orDash(eliminationsText(step.eliminations)) << '\t'
                      << orDash(placementsText(step.placements)) << '\n';
    std::string puzzle, techniques;
    int empty = 0, placed = 0;
    for (int p = 0; p < 81; ++p) {
        puzzle += givens[p] == 0 ? '.' : static_cast<char>('0' + givens[p]);
        empty += givens[p] == 0;
        placed += givens[p] == 0 && rating.solution.grid.digit(p) != 0;
    }
    for (Technique t : rating.techniques)
        techniques += (techniques.empty() ? "" : ", ") + std::string(techniqueName(t));
    std::cout << puzzle << '\t' << levelName(rating.level) << '\t'
              << (rating.solved ? "solved" : "stuck") << '\t' << placed << '/' << empty << '\t'
              << orDash(techniques) << '\t' << micros << '\n';
}

// Rates every puzzle of a stream; whether every non-empty line was one.
bool rateAll(std::istream& in, const std::string& name, bool steps) {
    bool ok = true;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        const PuzzleText text = readPuzzleText(line);
        if (text.count != 81) {
            std::cerr << "ERROR: " << name << ", line " << number << ": not a puzzle of 81 cells\n";
            ok = false;
            continue;
        }
        ratePuzzle(text.cells, steps);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    bool steps = false;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--steps")
            steps = true;
        else
            files.push_back(arg);
    }
    if (files.empty()) {
        std::cerr << "usage: sudoku-steps [--steps] FILE...\n";
        return 2;
    }
    bool ok = true;
    for (const std::string& name : files) {
        if (name == "-") {
            ok = rateAll(std::cin, "standard input", steps) && ok;
            continue;
        }
        std::ifstream in(name);
        if (!in) {
            std::cerr << "ERROR: cannot read " << name << "\n";
            ok = false;
            continue;
        }
        ok = rateAll(in, name, steps) && ok;
    }
    return ok ? 0 : 1;
}
