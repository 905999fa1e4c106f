#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "screens/toolkit/platform.h"

namespace toolkit {

// A headless platform for tests and the scenario driver: message and input
// boxes are answered from queued answers, every box, print and the program's
// end is written as one line to an output stream.
class ScriptedPlatform : public Platform {
  public:
    explicit ScriptedPlatform(std::ostream& out) : out_(out) {}

    // Answers for the next boxes, in order. Unanswered input boxes are
    // cancelled, unanswered Yes/No boxes answer No.
    void queueInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
    void queueAnswer(bool yes) { answers_.push_back(yes); }
    void setPrinterAvailable(bool available) { printer_ = available; }

    int messageBox(const std::string& text, int buttons, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void printScreen(Screen& screen) override;
    void programEnded() override;

    bool ended() const { return ended_; }

  private:
    std::ostream& out_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<bool> answers_;
    bool printer_ = true;
    bool ended_ = false;
};

// A text in double quotes with CR, LF, quotes and backslashes escaped.
std::string quoted(const std::string& text);

}  // namespace toolkit
