// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/zellen.h"

#include <gtest/gtest.h>

#include <set>

using namespace zellen;

TEST(Zellen, RowColumnAndFirstCellMatchTheCellIndex) {
    for (int k = 1; k <= 81; ++k) {
        EXPECT_EQ(reihe(k), (k - 1) / 9 + 1) << k;
        EXPECT_EQ(spalte(k), (k - 1) % 9 + 1) << k;
        EXPECT_EQ(erste_zelle_der_reihe(k), (reihe(k) - 1) * 9 + 1) << k;
    }
    // The spare cell 0 starts its row walk at the invalid index -8.
    EXPECT_EQ(erste_zelle_der_reihe(0), -8);
}

TEST(Zellen, SquareTableCoversEveryCellOnce) {
    std::set<int> seen;
    for (int k = 1; k <= 81; ++k) {
        Quadrat q{};
        ASSERT_TRUE(quadrat_von(k, q)) << k;
        int square = ((reihe(k) - 1) / 3) * 3 + (spalte(k) - 1) / 3;
        EXPECT_EQ(q.q_n, square) << k;
        EXPECT_EQ(reihe(q.q_s), (square / 3) * 3 + 1) << k;
        EXPECT_EQ(spalte(q.q_s), (square % 3) * 3 + 1) << k;
        seen.insert(k);
    }
    EXPECT_EQ(seen.size(), 81u);
    Quadrat q{};
    EXPECT_FALSE(quadrat_von(0, q));
    EXPECT_FALSE(quadrat_von(82, q));
}

TEST(Zellen, NamedCellsLieInTheirSquares) {
    Quadrat q{};
    quadrat_von(9, q);
    EXPECT_EQ(q.q_s, 7);
    EXPECT_EQ(q.q_n, 2);
    quadrat_von(73, q);
    EXPECT_EQ(q.q_s, 55);
    EXPECT_EQ(q.q_n, 6);
    quadrat_von(81, q);
    EXPECT_EQ(q.q_s, 61);
    EXPECT_EQ(q.q_n, 8);
}

TEST(Zellen, CandidatePositionsPointAtTheirDigits) {
    std::string text = volle_kandidaten;
    ASSERT_EQ(text.size(), 19u);
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(text[kandidaten_position(d) - 1], '0' + d);
}
