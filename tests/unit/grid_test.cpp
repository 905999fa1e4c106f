// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "screens/toolkit/application.h"
#include "screens/toolkit/failure.h"
#include "screens/toolkit/grid.h"
#include "screens/toolkit/scripted_platform.h"

using namespace toolkit;

namespace {

struct Beobachter : ElementObserver {
    std::vector<Property> meldungen;
    void elementChanged(Element&, Property property) override { meldungen.push_back(property); }
};

struct GridTest : ::testing::Test {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    Application app{platform};
    Screen screen{app, "test"};
    Grid grid{screen, "flx", 3, 4};
};

int fehlernummer(const std::function<void()>& aktion) {
    try {
        aktion();
    } catch (const Failure& f) {
        return f.number();
    }
    return 0;
}

}  // namespace

TEST_F(GridTest, FormatsGoToTheCurrentCellOnlyAndTextsToTheirOwnCell) {
    EXPECT_EQ(grid.kind(), ElementKind::Grid);
    grid.setRow(2);
    grid.setCol(1);
    grid.setCellBackColor(Rgb{225, 225, 225});
    grid.setCellFontBold(true);
    grid.setCellAlignment(mitte_mitte);
    grid.setTextMatrix(0, 3, "7");

    const GridCell& formatiert = grid.cell(2, 1);
    EXPECT_EQ(formatiert.backColor, (Rgb{225, 225, 225}));
    EXPECT_TRUE(formatiert.bold);
    EXPECT_EQ(formatiert.alignment, mitte_mitte);
    EXPECT_EQ(formatiert.text, "");
    EXPECT_EQ(grid.textMatrix(0, 3), "7");

    // The transposed cell and the neighbours keep the defaults.
    for (auto [r, c] : {std::pair{1, 2}, {2, 0}, {2, 2}, {1, 1}, {0, 3}}) {
        EXPECT_FALSE(grid.cell(r, c).backColor) << r << "," << c;
        EXPECT_FALSE(grid.cell(r, c).bold) << r << "," << c;
        EXPECT_EQ(grid.cell(r, c).alignment, allgemein) << r << "," << c;
    }

    // The format getters read the current cell.
    grid.setRow(0);
    EXPECT_FALSE(grid.cellFontBold());
    EXPECT_FALSE(grid.cellBackColor());
    grid.setRow(2);
    EXPECT_TRUE(grid.cellFontBold());
    EXPECT_EQ(grid.cellAlignment(), mitte_mitte);
    grid.setCellBackColor(std::nullopt);
    EXPECT_FALSE(grid.cell(2, 1).backColor);
}

TEST_F(GridTest, SizesAreKeptPerRowAndColumn) {
    grid.setRowHeight(1, 475);
    grid.setColWidth(3, 500);
    EXPECT_EQ(grid.rowHeight(0), Grid::standard_zeilenhoehe);
    EXPECT_EQ(grid.rowHeight(1), 475);
    EXPECT_EQ(grid.rowHeight(2), Grid::standard_zeilenhoehe);
    EXPECT_EQ(grid.colWidth(3), 500);
    EXPECT_EQ(grid.colWidth(2), Grid::standard_spaltenbreite);
}

TEST_F(GridTest, ResizingKeepsTheRemainingCellsAndMovesTheCurrentCellInside) {
    grid.setTextMatrix(1, 1, "a");
    grid.setTextMatrix(2, 3, "b");
    grid.setRowHeight(1, 300);
    grid.setRow(2);
    grid.setCol(3);
    grid.setCellFontBold(true);

    grid.setCols(3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(grid.textMatrix(1, 1), "a");
    grid.setRows(2);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.cols(), 3);

    grid.setRows(5);
    grid.setCols(6);
    EXPECT_EQ(grid.textMatrix(1, 1), "a");
    EXPECT_EQ(grid.rowHeight(1), 300);
    // Cells that were cut off come back empty.
    EXPECT_EQ(grid.textMatrix(2, 3), "");
    EXPECT_FALSE(grid.cell(2, 3).bold);
    EXPECT_EQ(grid.rowHeight(4), Grid::standard_zeilenhoehe);
    EXPECT_EQ(grid.colWidth(5), Grid::standard_spaltenbreite);
}

TEST_F(GridTest, IndexesOutsideTheTableAndInvalidValuesRaiseTheirFailures) {
    // 3 rows (0-2), 4 columns (0-3).
    EXPECT_EQ(fehlernummer([&] { grid.setRow(3); }), fehler_eigenschaftsindex);
    EXPECT_EQ(fehlernummer([&] { grid.setRow(-1); }), fehler_eigenschaftsindex);
    EXPECT_EQ(fehlernummer([&] { grid.setCol(4); }), fehler_eigenschaftsindex);
    EXPECT_EQ(fehlernummer([&] { grid.setTextMatrix(3, 0, "x"); }), fehler_eigenschaftsindex);
    EXPECT_EQ(fehlernummer([&] { grid.textMatrix(0, 4); }), fehler_eigenschaftsindex);
    EXPECT_EQ(fehlernummer([&] { grid.setRowHeight(3, 100); }), fehler_eigenschaftsindex);
    EXPECT_EQ(fehlernummer([&] { grid.colWidth(-1); }), fehler_eigenschaftsindex);
    EXPECT_EQ(fehlernummer([&] { grid.setCellAlignment(10); }), fehler_eigenschaftswert);
    EXPECT_EQ(fehlernummer([&] { grid.setCellAlignment(-1); }), fehler_eigenschaftswert);
    EXPECT_EQ(fehlernummer([&] { grid.setRowHeight(0, -1); }), fehler_eigenschaftswert);
    EXPECT_EQ(fehlernummer([&] { grid.setRows(0); }), fehler_eigenschaftswert);
    EXPECT_EQ(fehlernummer([&] { grid.setCols(-2); }), fehler_eigenschaftswert);
    // A failed call changes nothing.
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.cellAlignment(), allgemein);
    EXPECT_EQ(grid.rowHeight(0), Grid::standard_zeilenhoehe);
}

TEST_F(GridTest, EveryChangeTellsTheObserverOnceAndNothingElseDoes) {
    Beobachter beobachter;
    grid.setObserver(&beobachter);
    auto meldungen_nach = [&](const std::function<void()>& aktion) {
        beobachter.meldungen.clear();
        aktion();
        return beobachter.meldungen;
    };
    const std::vector<Property> eine{Property::Grid};
    const std::vector<Property> keine;

    EXPECT_EQ(meldungen_nach([&] { grid.setRow(1); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setRow(1); }), keine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCol(2); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCellBackColor(Rgb{1, 2, 3}); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCellBackColor(Rgb{1, 2, 3}); }), keine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCellFontBold(true); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCellFontBold(true); }), keine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCellAlignment(mitte_mitte); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCellAlignment(mitte_mitte); }), keine);
    EXPECT_EQ(meldungen_nach([&] { grid.setTextMatrix(2, 3, "9"); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setTextMatrix(2, 3, "9"); }), keine);
    EXPECT_EQ(meldungen_nach([&] { grid.setRowHeight(0, 475); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setColWidth(0, 475); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setColWidth(0, 475); }), keine);
    EXPECT_EQ(meldungen_nach([&] { grid.setRows(9); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCols(9); }), eine);
    EXPECT_EQ(meldungen_nach([&] { grid.setCols(9); }), keine);
    // A refused value is no change.
    EXPECT_EQ(meldungen_nach([&] { fehlernummer([&] { grid.setRow(9); }); }), keine);
}
