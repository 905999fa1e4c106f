// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>

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
