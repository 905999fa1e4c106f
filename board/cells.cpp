// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/cells.h"

namespace cells {

namespace {

struct Entry {
    int cells[9];
    Integer q_s;
    Integer q_n;
};

// The fixed membership table of the nine squares.
constexpr Entry square_table[] = {
    {{1, 2, 3, 10, 11, 12, 19, 20, 21}, 1, 0},     {{4, 5, 6, 13, 14, 15, 22, 23, 24}, 4, 1},
    {{7, 8, 9, 16, 17, 18, 25, 26, 27}, 7, 2},     {{28, 29, 30, 37, 38, 39, 46, 47, 48}, 28, 3},
    {{31, 32, 33, 40, 41, 42, 49, 50, 51}, 31, 4}, {{34, 35, 36, 43, 44, 45, 52, 53, 54}, 34, 5},
    {{55, 56, 57, 64, 65, 66, 73, 74, 75}, 55, 6}, {{58, 59, 60, 67, 68, 69, 76, 77, 78}, 58, 7},
    {{61, 62, 63, 70, 71, 72, 79, 80, 81}, 61, 8},
};

}  // namespace

bool squareOf(int k, Square& square) {
    for (const Entry& entry : square_table) {
        for (int cell : entry.cells) {
            if (cell == k) {
                square = {entry.q_s, entry.q_n};
                return true;
            }
        }
    }
    return false;
}

}  // namespace cells
