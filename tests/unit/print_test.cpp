// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/headless_game.h"

namespace {

// A headless platform whose printer runs a test's action in place of printing.
class TestPrinter : public toolkit::ScriptedPlatform {
  public:
    using ScriptedPlatform::ScriptedPlatform;
    std::function<void(toolkit::Screen&)> print;
    void printScreen(toolkit::Screen& screen) override { print(screen); }
};

struct PrintTest : ::testing::Test, HeadlessGame<TestPrinter> {
    frm_sudoku_druck& druck = program->druck;

    void SetUp() override {
        openMainScreen();
        main.cmd_druck.click();
        ASSERT_TRUE(druck.visible());
    }

    void expectRestored() {
        EXPECT_TRUE(druck.cmd_print.visible());
        EXPECT_TRUE(druck.cmd_zurueck.visible());
        EXPECT_EQ(druck.txt_eing(3).height(), 3015);
        EXPECT_TRUE(druck.visible());
    }
};

}  // namespace

TEST_F(PrintTest, ThePagePrintedHasNoButtonsAndTheLongerNotesField) {
    int pages = 0;
    platform.print = [&](toolkit::Screen& screen) {
        ++pages;
        EXPECT_EQ(&screen, &druck);
        EXPECT_FALSE(druck.cmd_print.visible());
        EXPECT_FALSE(druck.cmd_zurueck.visible());
        EXPECT_EQ(druck.txt_eing(3).height(), 3800);
        EXPECT_EQ(druck.txt_eing(3).top(), 4080);
    };
    druck.cmd_print.click();
    EXPECT_EQ(pages, 1);
    expectRestored();
    EXPECT_EQ(output.str(), "");
}

TEST_F(PrintTest, AnyOtherFailureGivesTheUnknownMessageAndRestoresTheScreen) {
    const std::string message = "message \"\" 0 \"Ein unbekannter Fehler trat auf!\" -> ok\n";

    platform.print = [](toolkit::Screen&) { throw std::runtime_error("Papierstau"); };
    druck.cmd_print.click();
    EXPECT_EQ(output.str(), message);
    expectRestored();

    output.str("");
    platform.print = [](toolkit::Screen&) {
        throw toolkit::Failure(toolkit::failure_type_mismatch, "kein Bild");
    };
    druck.cmd_print.click();
    EXPECT_EQ(output.str(), message);
    expectRestored();
}

TEST_F(PrintTest, ThePrinterFailureIsReportedOnceAndTheRestOfThePrintingRuns) {
    platform.print = [](toolkit::Screen&) {
        throw toolkit::Failure(toolkit::failure_printer, "kein Drucker");
    };
    druck.cmd_print.click();
    EXPECT_EQ(output.str(),
              "message \"\" 0 \"Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!\" "
              "-> ok\n");
    expectRestored();
}

TEST_F(PrintTest, TheGridHasNineSquareRowsAndColumnsWithEveryCellCentred) {
    // Opened twice: the refill must not change the grid's form.
    druck.cmd_zurueck.click();
    program->main.cmd_druck.click();
    const toolkit::Grid& grid = druck.flx_print;
    ASSERT_EQ(grid.rows(), 9);
    ASSERT_EQ(grid.cols(), 9);
    for (int i = 0; i <= 8; ++i) {
        EXPECT_EQ(grid.rowHeight(i), 475) << i;
        EXPECT_EQ(grid.colWidth(i), 475) << i;
        for (int j = 0; j <= 8; ++j)
            EXPECT_EQ(grid.cell(i, j).alignment, toolkit::center_center) << i << "," << j;
    }
}

TEST_F(PrintTest, TheFocusRunsThroughTheFieldsTheGridAndTheButtons) {
    std::vector<std::string> order;
    for (toolkit::Element* element : druck.tabOrder()) order.push_back(element->fullName());
    EXPECT_EQ(order,
              (std::vector<std::string>{"txt_eing(0)", "txt_eing(1)", "txt_eing(2)", "txt_eing(3)",
                                        "flx_print", "cmd_print", "cmd_zurueck"}));
    // Every element of the screen writes in its font.
    for (toolkit::Element* element : druck.elements()) {
        EXPECT_EQ(element->font().name, "Lucida Handwriting") << element->fullName();
        EXPECT_EQ(element->font().size, 9.75) << element->fullName();
    }
}
