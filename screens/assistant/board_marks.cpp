// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/assistant/board_marks.h"

#include "screens/toolkit/application.h"
#include "screens/toolkit/element.h"

using toolkit::Decoration;
using toolkit::Element;

BoardMarks::BoardMarks(toolkit::Application& app) : app_(app) {
    listener_ = app_.addInputListener([this] { afterInput(); });
}

BoardMarks::~BoardMarks() {
    app_.removeInputListener(listener_);
}

void BoardMarks::showPassing(const Marks& marks) {
    if (passingInput_ != app_.userEventCount()) passing_.clear();
    passingInput_ = app_.userEventCount();
    for (const auto& [element, decoration] : marks) passing_[element] = decoration;
    apply();
}

void BoardMarks::clearPassing() {
    passing_.clear();
    apply();
}

void BoardMarks::follow(std::function<Marks()> make) {
    follow_ = std::move(make);
    followed_ = follow_ ? follow_() : Marks{};
    apply();
}

void BoardMarks::afterInput() {
    // Marks shown during the input that has just ended stay for the user to
    // see; older ones go.
    if (passingInput_ != app_.userEventCount()) passing_.clear();
    followed_ = follow_ ? follow_() : Marks{};
    apply();
}

void BoardMarks::apply() {
    std::map<Element*, Decoration> shown;
    for (const auto& [element, decoration] : followed_) shown[element] = decoration;
    for (const auto& [element, decoration] : passing_) shown[element] = decoration;
    for (const auto& [element, decoration] : shown_)
        if (!shown.contains(element)) element->setDecoration({});
    for (const auto& [element, decoration] : shown) element->setDecoration(decoration);
    shown_ = std::move(shown);
}
