// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/element.h"

#include <stdexcept>

#include "screens/toolkit/application.h"
#include "screens/toolkit/screen.h"
#include "screens/toolkit/utf8.h"

namespace toolkit {

namespace {

int characterCount(const std::string& text) {
    int count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

void removeLastCharacter(std::string& text) {
    while (!text.empty()) {
        bool continuation = (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80;
        text.pop_back();
        if (!continuation) break;
    }
}

}  // namespace

Element::Element(Screen& screen, ElementKind kind, std::string name, int index)
    : screen_(screen), kind_(kind), name_(std::move(name)), index_(index) {
    screen_.registerElement(this);
}

std::string Element::fullName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Element::setObserver(ElementObserver* observer) {
    if (observer && observer_ && observer != observer_)
        throw std::logic_error(fullName() + " has an observer already");
    observer_ = observer;
}

void Element::notify(Property property) {
    if (observer_) observer_->elementChanged(*this, property);
}

void Element::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    notify(Property::Text);
    if (kind_ == ElementKind::TextBox && onChange) onChange();
}

void Element::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Property::Visible);
    if (!visible) screen_.focusableChanged(*this);
}

void Element::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Property::Enabled);
    if (!enabled) screen_.focusableChanged(*this);
}

void Element::setLocked(bool locked) {
    if (locked == locked_) return;
    locked_ = locked;
    notify(Property::Locked);
}

void Element::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    notify(Property::Value);
}

void Element::setLeft(int twips) {
    move(twips, top_, width_, height_);
}
void Element::setTop(int twips) {
    move(left_, twips, width_, height_);
}
void Element::setWidth(int twips) {
    move(left_, top_, twips, height_);
}
void Element::setHeight(int twips) {
    move(left_, top_, width_, twips);
}

void Element::move(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Property::Geometry);
}

void Element::setFont(const Font& font) {
    if (font == font_) return;
    font_ = font;
    notify(Property::Font);
}

void Element::setItalic(bool italic) {
    Font font = font_;
    font.italic = italic;
    setFont(font);
}

void Element::setForeColor(std::optional<Rgb> color) {
    if (color == foreColor_) return;
    foreColor_ = color;
    notify(Property::Colors);
}

void Element::setBackColor(std::optional<Rgb> color) {
    if (color == backColor_) return;
    backColor_ = color;
    notify(Property::Colors);
}

void Element::setTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    notify(Property::Colors);
}

void Element::setAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    notify(Property::Appearance);
}

void Element::setMultiLine(bool multiLine) {
    if (multiLine == multiLine_) return;
    multiLine_ = multiLine;
    notify(Property::Appearance);
}

void Element::setVerticalScrollBar(bool scrollBar) {
    if (scrollBar == verticalScrollBar_) return;
    verticalScrollBar_ = scrollBar;
    notify(Property::Appearance);
}

void Element::setMaxLength(int maxLength) {
    if (maxLength == maxLength_) return;
    maxLength_ = maxLength;
    notify(Property::Appearance);
}

bool Element::canTakeFocus() const {
    return tabIndex_ >= 0 && visible_ && enabled_ && kind_ != ElementKind::Label;
}

void Element::pressKey(int code) {
    screen_.application().runUserEvent([this, code]() mutable {
        if (onKeyPress) onKeyPress(code);
        if (code != 0) typeCharacter(code);
    });
}

void Element::typeCharacter(int code) {
    if (kind_ != ElementKind::TextBox || locked_ || !enabled_) return;
    std::string text = text_;
    if (code == 8) {
        removeLastCharacter(text);
    } else if (code == 13) {
        if (!multiLine_) return;
        text += "\r\n";
    } else if (code >= 32) {
        if (maxLength_ > 0 && characterCount(text) >= maxLength_) return;
        appendUtf8(text, static_cast<char32_t>(code));
    } else {
        return;
    }
    setText(text);
}

void Element::click() {
    screen_.application().runUserEvent([this] {
        if (kind_ == ElementKind::CheckBox) setValue(value_ == 1 ? 0 : 1);
        if (onClick) onClick();
    });
}

bool Element::pressChord(KeyChord chord) {
    return screen_.pressChord(chord, this);
}

std::vector<MenuItem> Element::contextMenuItems() {
    if (!contextMenu_) return {};
    return (*contextMenu_)(*this);
}

void Element::setDecoration(const Decoration& decoration) {
    if (decoration == decoration_) return;
    decoration_ = decoration;
    notify(Property::Decoration);
}

}  // namespace toolkit
