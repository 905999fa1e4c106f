// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "screens/program.h"
#include "tools/scenario_driver.h"

namespace {

TEST(ScenarioDriverMenuTest, AnUnknownItemIsAScriptError) {
    std::ostringstream out;
    ScenarioDriver driver(out);
    driver.runLine("click cmd_start");
    EXPECT_THROW(driver.runLine("menu txt_m(1) Neues Sudoku/unbekannt"), ScriptError);
    EXPECT_THROW(driver.runLine("menu txt_m(1) Neues Sudoku"), ScriptError);
    EXPECT_THROW(driver.runLine("key txt_m(1) Ctrl+Q"), ScriptError);
}

}  // namespace

namespace {

TEST(ScenarioDriverTest, PrintsAnElementsDecoration) {
    std::ostringstream out;
    ScenarioDriver driver(out);
    driver.runLine("click cmd_start");
    toolkit::Decoration struck;
    struck.mark = toolkit::ElementMark::Hatched;
    struck.digits[4] = toolkit::DigitMark::Struck;
    driver.program().main.txt_c(23).setDecoration(struck);
    driver.runLine("print txt_m(23).decoration");
    driver.runLine("print txt_c(23).decoration");
    EXPECT_EQ(out.str(), "txt_m(23).decoration = none\ntxt_c(23).decoration = hatched struck 4\n");
}

}  // namespace
