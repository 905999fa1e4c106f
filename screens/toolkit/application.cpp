// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/application.h"

#include <algorithm>
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

namespace {

// Runs part of a user event; running out of memory stops it with a message.
void reportingLackOfMemory(Application& app, const std::function<void()>& part) {
    try {
        part();
    } catch (const std::bad_alloc&) {
        app.messageBox("Ein unbekannter Fehler trat auf!", ok_only);
    }
}

}  // namespace

void Application::runUserEvent(const std::function<void()>& event) {
    const bool outermost = eventDepth_ == 0;
    if (outermost) ++userEvents_;
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(eventDepth_);
    reportingLackOfMemory(*this, event);
    // Still inside the event: what the listeners do tells nobody again.
    if (outermost) reportingLackOfMemory(*this, [this] { tellInputListeners(); });
}

int Application::addInputListener(std::function<void()> listener) {
    inputListeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void Application::removeInputListener(int id) {
    std::erase_if(inputListeners_, [id](const auto& entry) { return entry.first == id; });
}

void Application::tellInputListeners() {
    // A listener may add or remove listeners: walk a copy of the ids.
    std::vector<int> ids;
    for (const auto& entry : inputListeners_) ids.push_back(entry.first);
    for (int id : ids) {
        const auto it = std::find_if(inputListeners_.begin(), inputListeners_.end(),
                                     [id](const auto& entry) { return entry.first == id; });
        if (it == inputListeners_.end()) continue;
        const std::function<void()> listener = it->second;
        listener();
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
