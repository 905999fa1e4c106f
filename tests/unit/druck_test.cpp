// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "screens/programm.h"
#include "screens/toolkit/failure.h"
#include "screens/toolkit/scripted_platform.h"

namespace {

// A headless platform whose printer runs a test's action in place of printing.
class TestDrucker : public toolkit::ScriptedPlatform {
  public:
    using ScriptedPlatform::ScriptedPlatform;
    std::function<void(toolkit::Screen&)> drucken;
    void printScreen(toolkit::Screen& screen) override { drucken(screen); }
};

struct DruckTest : ::testing::Test {
    std::ostringstream out;
    TestDrucker platform{out};
    std::unique_ptr<Programm> programm = std::make_unique<Programm>(platform);
    frm_sudoku_druck& druck = programm->druck;

    void SetUp() override {
        programm->starten();
        programm->start.cmd_start.click();
        programm->main.cmd_druck.click();
        ASSERT_TRUE(druck.visible());
    }

    void erwarteWiederhergestellt() {
        EXPECT_TRUE(druck.cmd_print.visible());
        EXPECT_TRUE(druck.cmd_zurueck.visible());
        EXPECT_EQ(druck.txt_eing(3).height(), 3015);
        EXPECT_TRUE(druck.visible());
    }
};

}  // namespace

TEST_F(DruckTest, ThePagePrintedHasNoButtonsAndTheLongerNotesField) {
    int seiten = 0;
    platform.drucken = [&](toolkit::Screen& screen) {
        ++seiten;
        EXPECT_EQ(&screen, &druck);
        EXPECT_FALSE(druck.cmd_print.visible());
        EXPECT_FALSE(druck.cmd_zurueck.visible());
        EXPECT_EQ(druck.txt_eing(3).height(), 3800);
        EXPECT_EQ(druck.txt_eing(3).top(), 4080);
    };
    druck.cmd_print.click();
    EXPECT_EQ(seiten, 1);
    erwarteWiederhergestellt();
    EXPECT_EQ(out.str(), "");
}

TEST_F(DruckTest, AnyOtherFailureGivesTheUnknownMessageAndRestoresTheScreen) {
    const std::string meldung = "message \"\" 0 \"Ein unbekannter Fehler trat auf!\" -> ok\n";

    platform.drucken = [](toolkit::Screen&) { throw std::runtime_error("Papierstau"); };
    druck.cmd_print.click();
    EXPECT_EQ(out.str(), meldung);
    erwarteWiederhergestellt();

    out.str("");
    platform.drucken = [](toolkit::Screen&) {
        throw toolkit::Failure(toolkit::fehler_typen_unvertraeglich, "kein Bild");
    };
    druck.cmd_print.click();
    EXPECT_EQ(out.str(), meldung);
    erwarteWiederhergestellt();
}

TEST_F(DruckTest, ThePrinterFailureIsReportedOnceAndTheRestOfThePrintingRuns) {
    platform.drucken = [](toolkit::Screen&) {
        throw toolkit::Failure(toolkit::fehler_drucker, "kein Drucker");
    };
    druck.cmd_print.click();
    EXPECT_EQ(out.str(),
              "message \"\" 0 \"Der Drucker ist nicht angeschlossen oder nicht eingeschaltet!\" "
              "-> ok\n");
    erwarteWiederhergestellt();
}

TEST_F(DruckTest, TheGridHasNineSquareRowsAndColumnsWithEveryCellCentred) {
    // Opened twice: the refill must not change the grid's form.
    druck.cmd_zurueck.click();
    programm->main.cmd_druck.click();
    const toolkit::Grid& grid = druck.flx_print;
    ASSERT_EQ(grid.rows(), 9);
    ASSERT_EQ(grid.cols(), 9);
    for (int i = 0; i <= 8; ++i) {
        EXPECT_EQ(grid.rowHeight(i), 475) << i;
        EXPECT_EQ(grid.colWidth(i), 475) << i;
        for (int j = 0; j <= 8; ++j)
            EXPECT_EQ(grid.cell(i, j).alignment, toolkit::mitte_mitte) << i << "," << j;
    }
}

TEST_F(DruckTest, TheFocusRunsThroughTheFieldsTheGridAndTheButtons) {
    std::vector<std::string> reihenfolge;
    for (toolkit::Element* element : druck.tabOrder()) reihenfolge.push_back(element->fullName());
    EXPECT_EQ(reihenfolge,
              (std::vector<std::string>{"txt_eing(0)", "txt_eing(1)", "txt_eing(2)", "txt_eing(3)",
                                        "flx_print", "cmd_print", "cmd_zurueck"}));
    // Every element of the screen writes in its font.
    for (toolkit::Element* element : druck.elements()) {
        EXPECT_EQ(element->font().name, "Lucida Handwriting") << element->fullName();
        EXPECT_EQ(element->font().size, 9.75) << element->fullName();
    }
}
