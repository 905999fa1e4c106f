// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "screens/toolkit/picture.h"
#include "screens/toolkit/platform.h"
#include "screens/toolkit/screen.h"

namespace toolkit {

// The running program: its screens, the platform for dialogs and printing,
// and the input focus.
class Application {
  public:
    explicit Application(Platform& platform) : platform_(platform) {}

    Platform& platform() const { return platform_; }

    // The program's icon, shown on every window; none until the program sets it.
    void setIcon(Picture icon) { icon_ = std::move(icon); }
    const Picture& icon() const { return icon_; }

    void registerScreen(Screen* screen) { screens_.push_back(screen); }
    const std::vector<Screen*>& screens() const { return screens_; }
    Screen* visibleScreen() const;

    // The element with the input focus: the active element of the visible screen.
    Element* focus() const;

    // Called by Screen::unload; ends the program when no screen is loaded.
    void screenUnloaded();
    bool ended() const { return ended_; }

    // Runs the handlers of one user event (a click, a key press, a text
    // typed into a box). A handler that runs out of memory is stopped and
    // reported as an unknown failure; the program and its game go on.
    void runUserEvent(const std::function<void()>& event);

    int messageBox(const std::string& text, int buttons, const std::string& title = "") {
        return platform_.messageBox(text, buttons, title);
    }
    std::string inputBox(const std::string& prompt, const std::string& title) {
        return platform_.inputBox(prompt, title);
    }

  private:
    Platform& platform_;
    Picture icon_;
    std::vector<Screen*> screens_;
    bool ended_ = false;
};

}  // namespace toolkit
