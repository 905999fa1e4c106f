// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "screens/toolkit/scripted_platform.h"
#include "solver/hint_plan.h"

class Program;
namespace toolkit {
class Element;
class Screen;
}  // namespace toolkit

// A script line the driver cannot carry out: unknown command, element, name
// or property.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs the real screens on the headless platform from a script and prints
// what a user would see: one line per box, print and the program's end, and
// the values asked for with "print".
class ScenarioDriver {
  public:
    explicit ScenarioDriver(std::ostream& out);
    ~ScenarioDriver();

    // Carries out one script line; throws ScriptError.
    void runLine(const std::string& line);
    // Runs a whole script; returns the exit status (0, or 2 after a script
    // error, whose reason goes to err).
    int run(std::istream& script, std::ostream& err);

    Program& program() { return *program_; }

  private:
    toolkit::Element& element(std::string_view reference);
    toolkit::Screen* screen(std::string_view name);
    std::string value(const std::string& expression);
    std::string elementProperty(toolkit::Element& element, const std::string& property,
                                const std::vector<int>& arguments);

    std::ostream& out_;
    toolkit::ScriptedPlatform platform_;
    std::unique_ptr<Program> program_;
};

// The line that tells a hint's marking: "marking target r5c6", then the
// cells that lose candidates ("losing r5c1 r5c2"), the pattern's cells
// ("pattern r4c1 r6c1"), and the candidates struck and marked in the pads
// ("struck r5c1-4", "marked r4c1-4": the 4 in the pad of row 4, column 1),
// each group left out when empty, cells in reading order.
std::string markingLine(const solver::HintMarking& marking);

// "name(1,2)" -> name and indexes; throws ScriptError on a malformed index.
std::string splitIndexes(std::string_view text, std::vector<int>& indexes);

// The value of a screen variable or array element as the driver prints it;
// empty when there is no such variable.
std::optional<std::string> variableValue(Program& program, const std::string& name,
                                         const std::vector<int>& indexes);
