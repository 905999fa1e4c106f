// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/screen.h"

#include <algorithm>
#include <stdexcept>

#include "screens/toolkit/application.h"

namespace toolkit {

Screen::Screen(Application& application, std::string name)
    : application_(application), name_(std::move(name)) {
    application_.registerScreen(this);
}

void Screen::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    notify(ScreenProperty::Caption);
}

void Screen::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void Screen::setObserver(ScreenObserver* observer) {
    if (observer && observer_ && observer != observer_)
        throw std::logic_error(name_ + " has an observer already");
    observer_ = observer;
}

void Screen::notify(ScreenProperty property) {
    if (observer_) observer_->screenChanged(*this, property);
}

bool Screen::pressChord(KeyChord chord, Element* element) {
    bool handled = true;
    application_.runUserEvent([&] { handled = onChord && onChord(chord, element); });
    return handled;
}

void Screen::show() {
    if (!loaded_) {
        loaded_ = true;
        notify(ScreenProperty::Loaded);
        Form_Load();
        if (!loaded_) return;  // the load handler unloaded the screen again
    }
    if (visible_) return;
    visible_ = true;
    if (!activeElement_ || !activeElement_->canTakeFocus()) focusFirst();
    notify(ScreenProperty::Visible);
}

void Screen::hide() {
    if (!visible_) return;
    visible_ = false;
    notify(ScreenProperty::Visible);
}

void Screen::unload() {
    if (!loaded_) return;
    hide();
    loaded_ = false;
    notify(ScreenProperty::Loaded);
    application_.screenUnloaded();
}

Element* Screen::find(std::string_view name, int index) const {
    for (Element* element : elements_)
        if (element->name() == name && element->index() == index) return element;
    return nullptr;
}

std::vector<Element*> Screen::tabOrder() const {
    std::vector<Element*> order;
    for (Element* element : elements_)
        if (element->tabIndex() >= 0) order.push_back(element);
    std::stable_sort(order.begin(), order.end(), [](const Element* a, const Element* b) {
        return a->tabIndex() < b->tabIndex();
    });
    return order;
}

void Screen::setFocus(Element& element) {
    if (activeElement_ == &element) return;
    activeElement_ = &element;
    if (element.hasContextMenu()) lastMenuElement_ = &element;
    notify(ScreenProperty::Focus);
}

Element* Screen::menuElement() const {
    if (activeElement_ && activeElement_->hasContextMenu()) return activeElement_;
    if (lastMenuElement_ && lastMenuElement_->canTakeFocus()) return lastMenuElement_;
    for (Element* element : tabOrder())
        if (element->hasContextMenu() && element->canTakeFocus()) return element;
    return nullptr;
}

void Screen::focusableChanged(Element& element) {
    if (activeElement_ != &element) return;
    std::vector<Element*> order = tabOrder();
    auto position = std::find(order.begin(), order.end(), &element);
    if (position == order.end()) return;
    const std::size_t start = static_cast<std::size_t>(position - order.begin());
    for (std::size_t step = 1; step < order.size(); ++step) {
        Element* next = order[(start + step) % order.size()];
        if (next->canTakeFocus()) {
            setFocus(*next);
            return;
        }
    }
}

void Screen::focusFirst() {
    for (Element* element : tabOrder()) {
        if (element->canTakeFocus()) {
            setFocus(*element);
            return;
        }
    }
}

}  // namespace toolkit
