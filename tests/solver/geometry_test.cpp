// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using namespace solver;

TEST(GeometryTest, EveryUnitHoldsNineDistinctCellsThatShareIt) {
    for (int u = 0; u < 27; ++u) {
        const Unit unit = unitAt(u);
        EXPECT_EQ(unitIndex(unit), u);
        const auto& cells = unitCells(u);
        EXPECT_EQ(std::set<int>(cells.begin(), cells.end()).size(), 9u) << u;
        for (int p : cells) {
            const auto units = unitsOf(p);
            EXPECT_NE(std::find(units.begin(), units.end(), unit), units.end()) << u << " " << p;
        }
    }
}

TEST(GeometryTest, SquaresAreNumberedRowByRow) {
    EXPECT_EQ(unitCells(UnitKind::Square, 2)[0], positionAt(1, 4));
    EXPECT_EQ(unitCells(UnitKind::Square, 4)[4], positionAt(5, 2));
    EXPECT_EQ(unitCells(UnitKind::Square, 9)[8], 80);
    EXPECT_EQ(squareOf(positionAt(7, 3)), 7);
}

TEST(GeometryTest, PeersAreExactlyTheCellsThatSeeAPosition) {
    for (int p = 0; p < 81; ++p) {
        int seen = 0;
        for (int q = 0; q < 81; ++q) seen += sees(p, q);
        EXPECT_EQ(seen, 20) << p;
        for (int q : peers(p)) EXPECT_TRUE(sees(p, q)) << p << " " << q;
    }
}

TEST(GeometryTest, ScreenCellsCountFromOne) {
    EXPECT_EQ(cellNumber(0), 1);
    EXPECT_EQ(positionOfCell(81), 80);
}

}  // namespace
