// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/generator.h"

#include <random>
#include <utility>

#include "solver/candidate_grid.h"
#include "solver/exact_solver.h"
#include "solver/hint_plan.h"

namespace solver {

namespace {

// The Mersenne twister's numbers are the same everywhere; the standard's
// distributions and shuffles are not, so the draws are made here.
class Draw {
  public:
    explicit Draw(unsigned seed) : engine_(seed) {}

    // 0 to n - 1.
    int below(int n) { return static_cast<int>(engine_() % static_cast<unsigned>(n)); }

    template <typename T, std::size_t N>
    void shuffle(std::array<T, N>& items) {
        for (int i = static_cast<int>(N) - 1; i > 0; --i)
            std::swap(items[static_cast<std::size_t>(i)],
                      items[static_cast<std::size_t>(below(i + 1))]);
    }

  private:
    std::mt19937 engine_;
};

// A random full grid: a few digits drawn at random where no peer holds
// them, completed by the exact solver. Drawn again in the rare case that
// they leave no solution.
Cells fullGrid(Draw& draw) {
    // Eleven digits leave a solution nearly always and still give every
    // grid a chance.
    constexpr int seeded = 11;
    while (true) {
        Cells cells{};
        for (int k = 0; k < seeded; ++k) {
            const int p = draw.below(81);
            if (cells[p] != 0) continue;
            int digits[9], count = 0;
            const int open = candidates(cells, p);
            for (int d = 1; d <= 9; ++d)
                if (open & digitBit(d)) digits[count++] = d;
            if (count == 0) break;
            cells[p] = digits[draw.below(count)];
        }
        const SolutionCount count = countSolutions(cells, 1);
        if (count.settled && count.solutions == 1) return count.solution;
    }
}

// The grid with every given taken out, in random order, that the puzzle
// can do without and keep its one solution.
Cells minimalPuzzle(const Cells& grid, Draw& draw) {
    std::array<int, 81> order;
    for (int p = 0; p < 81; ++p) order[p] = p;
    draw.shuffle(order);
    Cells puzzle = grid;
    for (int p : order) {
        puzzle[p] = 0;
        const SolutionCount count = countSolutions(puzzle, 2);
        if (!count.settled || count.solutions != 1) puzzle[p] = grid[p];
    }
    return puzzle;
}

// Whether the ladder solves the puzzle with a hardest technique of the
// level. Only the rungs up to the level run, and for "extrem" the whole
// ladder only once the lower levels are stuck: most puzzles tried are
// turned down at a fraction of a full rating.
bool hasLevel(const Cells& puzzle, Level level) {
    LadderOptions options{.uniqueSolution = true, .highest = level};
    if (level != Level::Extrem) {
        const Rating rating = rate(puzzle, options);
        return rating.solved && rating.level == level;
    }
    options.highest = Level::SehrSchwer;
    if (rate(puzzle, options).solved) return false;
    options.highest = Level::Extrem;
    return rate(puzzle, options).solved;
}

}  // namespace

Cells generate(Level level, unsigned seed) {
    Draw draw(seed);
    while (true) {
        const Cells puzzle = minimalPuzzle(fullGrid(draw), draw);
        if (hasLevel(puzzle, level)) return puzzle;
    }
}

}  // namespace solver
