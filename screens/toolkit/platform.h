#pragma once

#include <string>

namespace toolkit {

class Screen;

// Message box buttons and icons, as button codes.
enum Buttons : int {
    ok_only = 0,
    yes_no = 4,
    exclamation = 48,
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
};

}  // namespace toolkit
