// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/exact_solver.h"

#include <algorithm>
#include <bit>

namespace solver {

namespace {

// Digit d is bit d - 1.
using Mask = std::uint16_t;
constexpr Mask every_digit = 0x1FF;

constexpr int digitOf(Mask bit) {
    return std::countr_zero(static_cast<unsigned>(bit)) + 1;
}
constexpr bool oneDigit(Mask mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}
constexpr Mask lowestDigit(Mask mask) {
    return static_cast<Mask>(mask & -mask);
}
// How many digits a mask holds (std::popcount calls a library function
// where the processor's instruction is not assumed).
constexpr auto digit_counts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (int m = 1; m < 512; ++m) counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1));
    return counts;
}();
constexpr int candidateCount(Mask mask) {
    return digit_counts[mask];
}

// The units of each position: its row, column and square.
constexpr std::array<std::array<std::uint8_t, 3>, 81> makeUnitsOf() {
    std::array<std::array<std::uint8_t, 3>, 81> table{};
    for (int p = 0; p < 81; ++p)
        for (int i = 0; i < 3; ++i)
            table[p][i] = static_cast<std::uint8_t>(unitIndex(unitsOf(p)[i]));
    return table;
}
constexpr auto units_of = makeUnitsOf();

struct Board {
    std::array<Mask, 81> candidates;  // of the empty cells; 0 for a filled one
    std::array<std::uint8_t, 81> digits{};
    std::array<Mask, 27> placed{};  // the digits placed in each unit
    int filled = 0;
};

class Search {
  public:
    Search(int limit, std::int64_t nodeLimit) : limit_(std::max(limit, 1)), nodeLimit_(nodeLimit) {}

    // Places a digit the cell still has, and every naked single that
    // follows; false when that leaves a peer without a candidate, or the
    // cell does not have the digit.
    static bool place(Board& board, int position, Mask bit) {
        if ((board.candidates[position] & bit) == 0) return false;
        board.digits[position] = static_cast<std::uint8_t>(digitOf(bit));
        board.candidates[position] = 0;
        ++board.filled;
        for (int u : units_of[position]) board.placed[u] |= bit;
        // Every peer loses the digit before any of them is placed: a peer
        // placed earlier could take the digit itself.
        std::array<std::uint8_t, 20> singles;
        int count = 0;
        for (int q : peers(position)) {
            Mask& c = board.candidates[q];
            if ((c & bit) == 0) continue;
            c &= static_cast<Mask>(~bit);
            if (c == 0) return false;
            if (oneDigit(c)) singles[count++] = static_cast<std::uint8_t>(q);
        }
        for (int i = 0; i < count; ++i) {
            const int q = singles[i];
            if (board.digits[q] != 0) continue;  // placed on the way
            if (!place(board, q, board.candidates[q])) return false;
        }
        return true;
    }

    // Removes the digits from the cell, and places its digit when one is
    // left; false on a contradiction.
    static bool remove(Board& board, int position, Mask digits) {
        Mask& c = board.candidates[position];
        if ((c & digits) == 0) return true;
        c &= static_cast<Mask>(~digits);
        return c != 0 && (!oneDigit(c) || place(board, position, c));
    }

    // Locked candidates: a digit that a box keeps to one row (column) leaves
    // the rest of that row (column); one that a row (column) keeps to one box
    // leaves the rest of that box. False on a contradiction; changed tells
    // whether a candidate went.
    static bool lockCandidates(Board& board, bool& changed) {
        // segment[0][r][b]: the candidates where row r crosses the column of
        // boxes b; segment[1][c][b]: where column c crosses the row of boxes b.
        std::array<std::array<std::array<Mask, 3>, 9>, 2> segment{};
        for (int p = 0; p < 81; ++p) {
            const int r = p / 9, c = p % 9;
            segment[0][r][c / 3] |= board.candidates[p];
            segment[1][c][r / 3] |= board.candidates[p];
        }
        for (int across = 0; across < 2; ++across) {
            // The i-th cell of the segment where line crosses band b.
            const auto cell = [across](int line, int b, int i) {
                return across == 0 ? line * 9 + b * 3 + i : (b * 3 + i) * 9 + line;
            };
            const auto& seg = segment[across];
            for (int line = 0; line < 9; ++line) {
                const int first = line / 3 * 3;
                const int line1 = first + (line + 1) % 3, line2 = first + (line + 2) % 3;
                for (int b = 0; b < 3; ++b) {
                    const int b1 = (b + 1) % 3, b2 = (b + 2) % 3;
                    const Mask here = seg[line][b];
                    const Mask restOfLine = seg[line][b1] | seg[line][b2];
                    const Mask restOfBox = seg[line1][b] | seg[line2][b];
                    const Mask pointing = here & static_cast<Mask>(~restOfBox) & restOfLine;
                    const Mask claiming = here & static_cast<Mask>(~restOfLine) & restOfBox;
                    if (pointing == 0 && claiming == 0) continue;
                    changed = true;
                    for (int i = 0; i < 3; ++i)
                        if (!remove(board, cell(line, b1, i), pointing) ||
                            !remove(board, cell(line, b2, i), pointing) ||
                            !remove(board, cell(line1, b, i), claiming) ||
                            !remove(board, cell(line2, b, i), claiming))
                            return false;
                }
            }
        }
        return true;
    }

    // Hidden singles (and the naked singles placing them leads to), then
    // locked candidates, until neither finds anything; false on a
    // contradiction (a cell without a candidate, a digit without a place).
    static bool propagate(Board& board) {
        bool changed = true;
        while (changed && board.filled < 81) {
            changed = false;
            for (int u = 0; u < 27; ++u) {
                const auto& cells = unitCells(u);
                Mask once = 0, twice = 0;
                for (int p : cells) {
                    const Mask c = board.candidates[p];
                    twice |= once & c;
                    once |= c;
                }
                if ((once | board.placed[u]) != every_digit) return false;
                // A placed digit is no candidate of its unit's other cells.
                Mask single = once & static_cast<Mask>(~twice);
                while (single) {
                    const Mask bit = lowestDigit(single);
                    single &= static_cast<Mask>(~bit);
                    // Placed already as a naked single of an earlier one.
                    if (board.placed[u] & bit) continue;
                    const auto at = std::find_if(cells.begin(), cells.end(), [&](int p) {
                        return (board.candidates[p] & bit) != 0;
                    });
                    // Gone when an earlier single of this unit took its cell.
                    if (at == cells.end() || !place(board, *at, bit)) return false;
                    changed = true;
                }
            }
            if (!changed && board.filled < 81 && !lockCandidates(board, changed)) return false;
        }
        return true;
    }

    void run(Board board) {
        if (finished()) return;
        if (++result_.nodes > nodeLimit_) {
            result_.settled = false;
            return;
        }
        if (!propagate(board)) return;
        if (board.filled == 81) {
            if (++result_.solutions == 1)
                std::copy(board.digits.begin(), board.digits.end(), result_.solution.begin());
            return;
        }
        // A binary choice where there is one: a cell with two candidates,
        // else a digit with two places in a unit, the one whose two cells
        // hold the most candidates (either choice then removes the most);
        // else the cell with the fewest candidates. Branching on places as
        // well as on cells keeps the search small on puzzles without a
        // solution, where it has to try everything.
        int cell = -1, fewest = 10;
        for (int p = 0; p < 81 && fewest > 2; ++p) {
            const int n = candidateCount(board.candidates[p]);
            if (n != 0 && n < fewest) {
                fewest = n;
                cell = p;
            }
        }
        if (fewest > 2) {
            int unit = -1, most = 0;
            Mask digit = 0;
            for (int u = 0; u < 27; ++u) {
                Mask once = 0, twice = 0, thrice = 0;
                for (int p : unitCells(u)) {
                    const Mask c = board.candidates[p];
                    thrice |= twice & c;
                    twice |= once & c;
                    once |= c;
                }
                for (Mask two = twice & static_cast<Mask>(~thrice); two != 0;) {
                    const Mask bit = lowestDigit(two);
                    two &= static_cast<Mask>(~bit);
                    int held = 0;
                    for (int p : unitCells(u))
                        if (board.candidates[p] & bit) held += candidateCount(board.candidates[p]);
                    if (held > most) {
                        most = held;
                        unit = u;
                        digit = bit;
                    }
                }
            }
            if (unit >= 0) {
                for (int p : unitCells(unit)) {
                    if ((board.candidates[p] & digit) == 0) continue;
                    Board next = board;
                    if (place(next, p, digit)) run(next);
                    if (finished()) return;
                }
                return;
            }
        }
        for (Mask rest = board.candidates[cell]; rest != 0 && !finished();) {
            const Mask bit = lowestDigit(rest);
            rest &= static_cast<Mask>(~bit);
            Board next = board;
            if (place(next, cell, bit)) run(next);
        }
    }

    SolutionCount result() const { return result_; }

  private:
    bool finished() const { return result_.solutions >= limit_ || !result_.settled; }

    int limit_;
    std::int64_t nodeLimit_;
    SolutionCount result_;
};

}  // namespace

SolutionCount countSolutions(const Cells& givens, int limit, std::int64_t nodeLimit) {
    Board board;
    board.candidates.fill(every_digit);
    for (int p = 0; p < 81; ++p) {
        const int d = givens[p];
        if (d < 1 || d > 9) continue;
        // A digit no longer open here repeats a given of its unit (or
        // differs from the one the givens before it leave).
        if (board.digits[p] == d) continue;
        if (!Search::place(board, p, static_cast<Mask>(1u << (d - 1)))) return {};
    }
    Search search(limit, nodeLimit);
    search.run(board);
    return search.result();
}

}  // namespace solver
