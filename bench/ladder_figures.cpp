// SPDX-License-Identifier: GPL-3.0-or-later
// The technique ladder's figures per puzzle set, and its soundness:
//   ladder_figures [--sample N] DIR|FILE...
// For every puzzle (one per line, the first N of each set with --sample):
// the rating (solved to the end or not, the level, its time) and a whole
// game of hints (a hint, its digit placed, the next hint, until the board
// is full), every step of both checked against the solution. A wrong step
// is printed and the exit status is 1. The figures come as Markdown tables;
// times are the CPU time of the thread.
#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
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
// The thread's CPU time in ms: on a machine shared with other work it
// counts what the ladder costs, not how long it waited for a core.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Times {
    std::vector<double> ms;
    double quantile(double q) {
        if (ms.empty()) return 0;
        std::sort(ms.begin(), ms.end());
        return ms[static_cast<std::size_t>(q * static_cast<double>(ms.size() - 1))];
    }
    double mean() const {
        double sum = 0;
        for (double m : ms) sum += m;
        return ms.empty() ? 0 : sum / static_cast<double>(ms.size());
    }
};

struct SetFigures {
    std::string name;
    int puzzles = 0, solved = 0, wrong = 0;
    std::array<int, 6> levels{};  // by rating level
    Times rating;
    Times hintAll, hintUpTo4, hintLevel5;  // the last two: positions without a single
    int stuckHints = 0;                    // positions where no hint was found
    std::array<int, 5> steps{};  // positions without a single: 2, 3, 4, 5+ steps (index 0: 1)
};

// Checks every step against the solution; prints the wrong ones.
void check(SetFigures& f, const std::string& puzzle, const std::vector<Step>& steps,
           const Cells& solution, const char* where) {
    for (const Step& step : steps) {
        if (keepsTo(step, solution)) continue;
        ++f.wrong;
        std::cout << "WRONG " << where << " " << puzzle << " " << techniqueName(step.technique)
                  << " " << eliminationsText(step.eliminations) << " "
                  << placementsText(step.placements) << "\n";
    }
}

void measure(SetFigures& f, const std::string& line) {
    const Cells givens = readPuzzleText(line).cells;
    const Analysis analysis = analyse(givens);
    if (analysis.solutions != 1) {
        std::cout << "SKIPPED (not exactly one solution) " << line << "\n";
        return;
    }
    ++f.puzzles;
    const LadderOptions options{true};
    double start = cpuMs();
    const Rating rating = rate(givens, options);
    f.rating.ms.push_back(cpuMs() - start);
    f.solved += rating.solved;
    ++f.levels[static_cast<int>(rating.level)];
    check(f, line, rating.solution.steps, analysis.solution, "rating");

    Cells digits = givens;
    while (std::find(digits.begin(), digits.end(), 0) != digits.end()) {
        start = cpuMs();
        const std::optional<HintPlan> plan = planHint(digits, options);
        const double ms = cpuMs() - start;
        f.hintAll.ms.push_back(ms);
        if (!plan) {
            ++f.stuckHints;
            break;
        }
        check(f, line, plan->steps, analysis.solution, "hint");
        if (plan->level > Level::Leicht) {
            (plan->level == Level::Extrem ? f.hintLevel5 : f.hintUpTo4).ms.push_back(ms);
            ++f.steps[std::min<std::size_t>(plan->steps.size(), 5) - 1];
        }
        digits[plan->target.position] = plan->target.digit;
    }
}

std::string percent(int part, int whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", whole ? 100.0 * part / whole : 0.0);
    return text;
}

std::string ms(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value < 10 ? "%.2f" : "%.0f", value);
    return text;
}

void print(std::vector<SetFigures>& sets) {
    std::cout << "\n| set | puzzles | solved to the end | leicht | mittel | schwer | sehr schwer "
                 "| extrem | rating mean / max (ms) | wrong steps |\n|---|---|---|---|---|---|---|"
                 "---|---|---|\n";
    for (SetFigures& f : sets) {
        std::cout << "| " << f.name << " | " << f.puzzles << " | " << percent(f.solved, f.puzzles);
        for (int l = 1; l <= 5; ++l) std::cout << " | " << f.levels[l];
        std::cout << " | " << ms(f.rating.mean()) << " / " << ms(f.rating.quantile(1)) << " | "
                  << f.wrong << " |\n";
    }
    std::cout << "\nHints along a whole game, at the positions without a single (times in ms; "
                 "\"stuck\": positions without any hint):\n\n| set | positions | ≤ 2 steps | 3 "
                 "| 4 | 5+ | median / p99 / max, levels 2–4 | median / p99 / max, level 5 | "
                 "stuck | all hints: median / max |\n|---|---|---|---|---|---|---|---|---|---|\n";
    for (SetFigures& f : sets) {
        int positions = 0;
        for (int n : f.steps) positions += n;
        std::cout << "| " << f.name << " | " << positions << " | "
                  << percent(f.steps[0] + f.steps[1], positions) << " | "
                  << percent(f.steps[2], positions) << " | " << percent(f.steps[3], positions)
                  << " | " << percent(f.steps[4], positions) << " | "
                  << ms(f.hintUpTo4.quantile(0.5)) << " / " << ms(f.hintUpTo4.quantile(0.99))
                  << " / " << ms(f.hintUpTo4.quantile(1)) << " | " << ms(f.hintLevel5.quantile(0.5))
                  << " / " << ms(f.hintLevel5.quantile(0.99)) << " / "
                  << ms(f.hintLevel5.quantile(1)) << " | " << f.stuckHints << " | "
                  << ms(f.hintAll.quantile(0.5)) << " / " << ms(f.hintAll.quantile(1)) << " |\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    long sample = -1;
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sample" && i + 1 < argc) {
            sample = std::stol(argv[++i]);
        } else if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.path().extension() == ".txt") files.push_back(entry.path());
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: ladder_figures [--sample N] DIR|FILE...\n";
        return 2;
    }
    std::sort(files.begin(), files.end());
    std::vector<SetFigures> sets;
    bool wrong = false;
    for (const auto& file : files) {
        std::ifstream in(file);
        if (!in) {
            std::cerr << "ERROR: cannot read " << file << "\n";
            return 2;
        }
        SetFigures f;
        f.name = file.stem().string();
        std::string line;
        for (long n = 0; (sample < 0 || n < sample) && std::getline(in, line);) {
            if (readPuzzleText(line).count != 81) continue;
            measure(f, line);
            ++n;
        }
        std::cerr << f.name << ": " << f.puzzles << " puzzles\n";
        wrong = wrong || f.wrong > 0;
        sets.push_back(std::move(f));
    }
    print(sets);
    return wrong ? 1 : 0;
}
