// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The clipboard's text; none: no text.
    void setClipboard(std::optional<std::string> text) { clipboard_ = std::move(text); }
    // The seed of the next random puzzle; later ones count on from it.
    void setSeed(unsigned seed) { seed_ = seed; }
    // The answer for the next file dialog: a name, or none to cancel.
    // Unanswered file dialogs are cancelled.
    void queueFile(std::optional<std::string> name) { files_.push_back(std::move(name)); }

    int messageBox(const std::string& text, int buttons, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void printScreen(Screen& screen) override;
    void programEnded() override;
    std::optional<std::string> clipboardText() override { return clipboard_; }
    unsigned randomSeed() override { return seed_++; }
    std::optional<std::string> saveFileName(const std::string& title,
                                            const std::string& proposed) override;
    // Headless, there is no page to render: the file is not written, the
    // line "pdf S "NAME"" tells that it would have been. A name in a folder
    // that does not exist, or naming a folder, fails as a real write would.
    void writePdf(Screen& screen, const std::string& path, const FileWriter& write) override;

    bool ended() const { return ended_; }

  private:
    std::ostream& out_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<bool> answers_;
    bool printer_ = true;
    std::optional<std::string> clipboard_;
    unsigned seed_ = 1;
    std::deque<std::optional<std::string>> files_;
    bool ended_ = false;
};

// A text in double quotes with CR, LF, quotes and backslashes escaped.
std::string quoted(const std::string& text);

}  // namespace toolkit
