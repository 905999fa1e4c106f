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

class Programm;
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

    Programm& programm() { return *programm_; }

  private:
    toolkit::Element& element(std::string_view reference);
    toolkit::Screen* screen(std::string_view name);
    std::string value(const std::string& expression);
    std::string elementProperty(toolkit::Element& element, const std::string& property,
                                const std::vector<int>& arguments);

    std::ostream& out_;
    toolkit::ScriptedPlatform platform_;
    std::unique_ptr<Programm> programm_;
};

// "name(1,2)" -> name and indexes; throws ScriptError on a malformed index.
std::string splitIndexes(std::string_view text, std::vector<int>& indexes);

// The value of a screen variable or array element as the driver prints it;
// empty when there is no such variable.
std::optional<std::string> variableValue(Programm& programm, const std::string& name,
                                         const std::vector<int>& indexes);
