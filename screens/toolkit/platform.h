// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace toolkit {

class Screen;

// Message box buttons and icons, as button codes.
enum Buttons : int {
    ok_only = 0,
    yes_no = 4,
    question = 32,
    exclamation = 48,
    information = 64,
};

// Message box answers.
enum Answer : int {
    answer_ok = 1,
    answer_yes = 6,
    answer_no = 7,
};

// What the program needs from the machine beyond its screens: modal boxes,
// printing and the end of the program. One implementation draws real dialogs
// with Qt, a headless one answers from a script.
class Platform {
  public:
    virtual ~Platform() = default;
    // A modal message box; title "" means the program's default title.
    // Returns the answer code (1 OK, 6 Yes, 7 No).
    virtual int messageBox(const std::string& text, int buttons, const std::string& title) = 0;
    // A modal input box; returns the typed text, the empty text on Cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title) = 0;
    // Prints the picture of the screen's client area as one page on the
    // default printer; a missing or failing printer throws failure 482.
    virtual void printScreen(Screen& screen) = 0;
    // All screens are unloaded: the program ends once the running handler returns.
    virtual void programEnded() = 0;

    // The clipboard's text; none when it holds no text.
    virtual std::optional<std::string> clipboardText() { return std::nullopt; }
    // Runs the work off the user-interface thread and returns when it is
    // done; meanwhile the windows keep repainting, take no input and show a
    // busy cursor. A failure of the work is thrown here.
    virtual void runInBackground(const std::function<void()>& work) { work(); }
    // The seed for the next random puzzle.
    virtual unsigned randomSeed() { return 1; }
    // A save-file dialog starting in the working directory with the proposed
    // name; the chosen path, none when cancelled.
    virtual std::optional<std::string> saveFileName(const std::string& title,
                                                    const std::string& proposed) {
        (void)title;
        (void)proposed;
        return std::nullopt;
    }
    // Writes the page that printScreen sends to the printer into a PDF file
    // instead: renders it and hands its bytes to `write`, the program's own
    // file save with its rules for what may be replaced. Throws when it
    // cannot; no partial file stays then.
    using FileWriter = std::function<void(const std::string& path, const std::string& bytes)>;
    virtual void writePdf(Screen& screen, const std::string& path, const FileWriter& write) {
        (void)screen;
        (void)write;
        throw std::runtime_error("no PDF output on this platform: " + path);
    }
};

}  // namespace toolkit
