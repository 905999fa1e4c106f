// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
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

    // Runs the handlers of one user event (a click, a key press, a chord, a
    // menu choice, a text typed into a box). A handler that runs out of
    // memory is stopped and reported as an unknown failure; the program and
    // its game go on. When the outermost event has run to its end, every
    // input listener is told, in the order they were added; an event run
    // from inside another one (a command that types digits) tells nobody.
    void runUserEvent(const std::function<void()>& event);

    // Input listeners: what must follow the board after each user input
    // (an addition's marks, what can be redone). addInputListener returns an
    // id for removeInputListener; a listener removed while the listeners
    // are being told is not told any more.
    int addInputListener(std::function<void()> listener);
    void removeInputListener(int id);
    // How many outermost user events have begun: a listener tells by it
    // whether the event just ended is the one in which it set something.
    std::uint64_t userEventCount() const { return userEvents_; }

    int messageBox(const std::string& text, int buttons, const std::string& title = "") {
        return platform_.messageBox(text, buttons, title);
    }
    std::string inputBox(const std::string& prompt, const std::string& title) {
        return platform_.inputBox(prompt, title);
    }

  private:
    Platform& platform_;
    Picture icon_;
    void tellInputListeners();

    std::vector<Screen*> screens_;
    bool ended_ = false;
    int eventDepth_ = 0;
    std::uint64_t userEvents_ = 0;
    int nextListenerId_ = 1;
    std::vector<std::pair<int, std::function<void()>>> inputListeners_;
};

}  // namespace toolkit
