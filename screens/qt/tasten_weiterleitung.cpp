// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/tasten_weiterleitung.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>
#include <vector>

#include "screens/toolkit/application.h"

namespace qtfront {

namespace {

void druecken(const std::vector<int>& codes, toolkit::Element& element) {
    toolkit::Application& app = element.screen().application();
    // The key belongs to the element the user typed into; should the model's
    // focus stand elsewhere, it follows the user first.
    if (app.focus() != &element && element.screen().visible()) element.screen().setFocus(element);
    for (int code : codes) {
        if (app.ended()) return;
        toolkit::Element* ziel = app.focus();
        if (!ziel) return;
        ziel->pressKey(code);
    }
}

std::vector<int> zeichenCodes(const QString& text) {
    std::vector<int> codes;
    for (char32_t c : text.toUcs4()) {
        if (c < 32 || c == 127) return {};  // control characters produce no character
        codes.push_back(static_cast<int>(c));
    }
    return codes;
}

}  // namespace

bool tasteAnModell(const QKeyEvent& event, toolkit::Element& element) {
    std::vector<int> codes;
    if (event.key() == Qt::Key_Backspace)
        codes = {8};
    else if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        codes = {13};
    else if (!(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        codes = zeichenCodes(event.text());
    if (codes.empty()) return false;
    druecken(codes, element);
    return true;
}

void textAnModell(const QString& text, toolkit::Element& element) {
    std::vector<int> codes = zeichenCodes(text);
    if (!codes.empty()) druecken(codes, element);
}

bool nurNavigation(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::SelectAll);
    }
}

std::optional<toolkit::SpecialKey> specialKey(const QKeyEvent& event) {
    using toolkit::SpecialKey;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (event.key()) {
            case Qt::Key_Left:
                return SpecialKey::Left;
            case Qt::Key_Right:
                return SpecialKey::Right;
            case Qt::Key_Up:
                return SpecialKey::Up;
            case Qt::Key_Down:
                return SpecialKey::Down;
            default:
                return std::nullopt;
        }
    }
    if (modifiers == Qt::ShiftModifier && event.key() == Qt::Key_Insert)
        return SpecialKey::ShiftInsert;
    if (modifiers != Qt::ControlModifier) return std::nullopt;
    // By its key, not its text: Ctrl+H comes with the text of a Backspace.
    switch (event.key()) {
        case Qt::Key_V:
            return SpecialKey::CtrlV;
        case Qt::Key_E:
            return SpecialKey::CtrlE;
        case Qt::Key_H:
            return SpecialKey::CtrlH;
        case Qt::Key_S:
            return SpecialKey::CtrlS;
        default:
            return std::nullopt;
    }
}

}  // namespace qtfront
