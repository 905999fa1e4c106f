// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

#include "screens/toolkit/application.h"
#include "screens/toolkit/failure.h"
#include "screens/toolkit/grid.h"
#include "screens/toolkit/scripted_platform.h"
#include "tests/support/failure_number.h"

using namespace toolkit;

namespace {

struct Watcher : ElementObserver {
    std::vector<Property> messages;
    void elementChanged(Element&, Property property) override { messages.push_back(property); }
};

struct GridTest : ::testing::Test {
    std::ostringstream out;
    ScriptedPlatform platform{out};
    Application app{platform};
    Screen screen{app, "test"};
    Grid grid{screen, "flx", 3, 4};
};

}  // namespace

TEST_F(GridTest, FormatsGoToTheCurrentCellOnlyAndTextsToTheirOwnCell) {
    EXPECT_EQ(grid.kind(), ElementKind::Grid);
    grid.setRow(2);
    grid.setCol(1);
    grid.setCellBackColor(Rgb{225, 225, 225});
    grid.setCellFontBold(true);
    grid.setCellAlignment(center_center);
    grid.setTextMatrix(0, 3, "7");

    const GridCell& formatted = grid.cell(2, 1);
    EXPECT_EQ(formatted.backColor, (Rgb{225, 225, 225}));
    EXPECT_TRUE(formatted.bold);
    EXPECT_EQ(formatted.alignment, center_center);
    EXPECT_EQ(formatted.text, "");
    EXPECT_EQ(grid.textMatrix(0, 3), "7");

    // The transposed cell and the neighbours keep the defaults.
    for (auto [r, c] : {std::pair{1, 2}, {2, 0}, {2, 2}, {1, 1}, {0, 3}}) {
        EXPECT_FALSE(grid.cell(r, c).backColor) << r << "," << c;
        EXPECT_FALSE(grid.cell(r, c).bold) << r << "," << c;
        EXPECT_EQ(grid.cell(r, c).alignment, general) << r << "," << c;
    }

    // The format getters read the current cell.
    grid.setRow(0);
    EXPECT_FALSE(grid.cellFontBold());
    EXPECT_FALSE(grid.cellBackColor());
    grid.setRow(2);
    EXPECT_TRUE(grid.cellFontBold());
    EXPECT_EQ(grid.cellAlignment(), center_center);
    grid.setCellBackColor(std::nullopt);
    EXPECT_FALSE(grid.cell(2, 1).backColor);
}

TEST_F(GridTest, SizesAreKeptPerRowAndColumn) {
    grid.setRowHeight(1, 475);
    grid.setColWidth(3, 500);
    EXPECT_EQ(grid.rowHeight(0), Grid::default_row_height);
    EXPECT_EQ(grid.rowHeight(1), 475);
    EXPECT_EQ(grid.rowHeight(2), Grid::default_row_height);
    EXPECT_EQ(grid.colWidth(3), 500);
    EXPECT_EQ(grid.colWidth(2), Grid::default_column_width);
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
    EXPECT_EQ(grid.rowHeight(4), Grid::default_row_height);
    EXPECT_EQ(grid.colWidth(5), Grid::default_column_width);
}

TEST_F(GridTest, IndexesOutsideTheTableAndInvalidValuesRaiseTheirFailures) {
    // 3 rows (0-2), 4 columns (0-3).
    EXPECT_EQ(failureNumber([&] { grid.setRow(3); }), failure_property_index);
    EXPECT_EQ(failureNumber([&] { grid.setRow(-1); }), failure_property_index);
    EXPECT_EQ(failureNumber([&] { grid.setCol(4); }), failure_property_index);
    EXPECT_EQ(failureNumber([&] { grid.setTextMatrix(3, 0, "x"); }), failure_property_index);
    EXPECT_EQ(failureNumber([&] { grid.textMatrix(0, 4); }), failure_property_index);
    EXPECT_EQ(failureNumber([&] { grid.setRowHeight(3, 100); }), failure_property_index);
    EXPECT_EQ(failureNumber([&] { grid.colWidth(-1); }), failure_property_index);
    EXPECT_EQ(failureNumber([&] { grid.setCellAlignment(10); }), failure_property_value);
    EXPECT_EQ(failureNumber([&] { grid.setCellAlignment(-1); }), failure_property_value);
    EXPECT_EQ(failureNumber([&] { grid.setRowHeight(0, -1); }), failure_property_value);
    EXPECT_EQ(failureNumber([&] { grid.setRows(0); }), failure_property_value);
    EXPECT_EQ(failureNumber([&] { grid.setCols(-2); }), failure_property_value);
    // A failed call changes nothing.
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.cellAlignment(), general);
    EXPECT_EQ(grid.rowHeight(0), Grid::default_row_height);
}

TEST_F(GridTest, EveryChangeTellsTheObserverOnceAndNothingElseDoes) {
    Watcher watcher;
    grid.setObserver(&watcher);
    auto reportsAfter = [&](const std::function<void()>& action) {
        watcher.messages.clear();
        action();
        return watcher.messages;
    };
    const std::vector<Property> one{Property::Grid};
    const std::vector<Property> none_;

    EXPECT_EQ(reportsAfter([&] { grid.setRow(1); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setRow(1); }), none_);
    EXPECT_EQ(reportsAfter([&] { grid.setCol(2); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setCellBackColor(Rgb{1, 2, 3}); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setCellBackColor(Rgb{1, 2, 3}); }), none_);
    EXPECT_EQ(reportsAfter([&] { grid.setCellFontBold(true); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setCellFontBold(true); }), none_);
    EXPECT_EQ(reportsAfter([&] { grid.setCellAlignment(center_center); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setCellAlignment(center_center); }), none_);
    EXPECT_EQ(reportsAfter([&] { grid.setTextMatrix(2, 3, "9"); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setTextMatrix(2, 3, "9"); }), none_);
    EXPECT_EQ(reportsAfter([&] { grid.setRowHeight(0, 475); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setColWidth(0, 475); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setColWidth(0, 475); }), none_);
    EXPECT_EQ(reportsAfter([&] { grid.setRows(9); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setCols(9); }), one);
    EXPECT_EQ(reportsAfter([&] { grid.setCols(9); }), none_);
    // A refused value is no change.
    EXPECT_EQ(reportsAfter([&] { failureNumber([&] { grid.setRow(9); }); }), none_);
}
