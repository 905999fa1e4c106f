// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/application.h"

#include <new>

namespace toolkit {

Screen* Application::visibleScreen() const {
    for (Screen* screen : screens_)
        if (screen->visible()) return screen;
    return nullptr;
}

Element* Application::focus() const {
    Screen* screen = visibleScreen();
    return screen ? screen->activeElement() : nullptr;
}

void Application::runUserEvent(const std::function<void()>& event) {
    try {
        event();
    } catch (const std::bad_alloc&) {
        messageBox("Ein unbekannter Fehler trat auf!", nur_ok);
    }
}

void Application::screenUnloaded() {
    if (ended_) return;
    for (Screen* screen : screens_)
        if (screen->loaded()) return;
    ended_ = true;
    platform_.programEnded();
}

}  // namespace toolkit
