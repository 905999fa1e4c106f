// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/cells.h"

#include <gtest/gtest.h>

#include <set>

using namespace cells;

TEST(Cells, RowColumnAndFirstCellMatchTheCellIndex) {
    for (int k = 1; k <= 81; ++k) {
        EXPECT_EQ(row(k), (k - 1) / 9 + 1) << k;
        EXPECT_EQ(column(k), (k - 1) % 9 + 1) << k;
        EXPECT_EQ(firstCellOfRow(k), (row(k) - 1) * 9 + 1) << k;
    }
    // The spare cell 0 starts its row walk at the invalid index -8.
    EXPECT_EQ(firstCellOfRow(0), -8);
}

TEST(Cells, SquareTableCoversEveryCellOnce) {
    std::set<int> seen;
    for (int k = 1; k <= 81; ++k) {
        Square q{};
        ASSERT_TRUE(squareOf(k, q)) << k;
        int square = ((row(k) - 1) / 3) * 3 + (column(k) - 1) / 3;
        EXPECT_EQ(q.q_n, square) << k;
        EXPECT_EQ(row(q.q_s), (square / 3) * 3 + 1) << k;
        EXPECT_EQ(column(q.q_s), (square % 3) * 3 + 1) << k;
        seen.insert(k);
    }
    EXPECT_EQ(seen.size(), 81u);
    Square q{};
    EXPECT_FALSE(squareOf(0, q));
    EXPECT_FALSE(squareOf(82, q));
}

TEST(Cells, NamedCellsLieInTheirSquares) {
    Square q{};
    squareOf(9, q);
    EXPECT_EQ(q.q_s, 7);
    EXPECT_EQ(q.q_n, 2);
    squareOf(73, q);
    EXPECT_EQ(q.q_s, 55);
    EXPECT_EQ(q.q_n, 6);
    squareOf(81, q);
    EXPECT_EQ(q.q_s, 61);
    EXPECT_EQ(q.q_n, 8);
}

TEST(Cells, CandidatePositionsPointAtTheirDigits) {
    std::string text = full_candidates;
    ASSERT_EQ(text.size(), 19u);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(text[candidatePosition(d) - 1], '0' + d);
}
