// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/key_forwarding.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>
#include <utility>
#include <vector>

#include "screens/toolkit/application.h"

namespace qtfront {

namespace {

void press(const std::vector<int>& codes, toolkit::Element& element) {
    toolkit::Application& app = element.screen().application();
    // The key belongs to the element the user typed into; should the model's
    // focus stand elsewhere, it follows the user first.
    if (app.focus() != &element && element.screen().visible()) element.screen().setFocus(element);
    for (int code : codes) {
        if (app.ended()) return;
        toolkit::Element* target = app.focus();
        if (!target) return;
        target->pressKey(code);
    }
}

std::vector<int> characterCodes(const QString& text) {
    std::vector<int> codes;
    for (char32_t c : text.toUcs4()) {
        if (c < 32 || c == 127) return {};  // control characters produce no character
        codes.push_back(static_cast<int>(c));
    }
    return codes;
}

}  // namespace

bool keyToModel(const QKeyEvent& event, toolkit::Element& element) {
    std::vector<int> codes;
    if (event.key() == Qt::Key_Backspace)
        codes = {8};
    else if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        codes = {13};
    else if (!(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        codes = characterCodes(event.text());
    if (codes.empty()) return false;
    press(codes, element);
    return true;
}

void textToModel(const QString& text, toolkit::Element& element) {
    std::vector<int> codes = characterCodes(text);
    if (!codes.empty()) press(codes, element);
}

bool navigationOnly(const QKeyEvent& event) {
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

namespace {

constexpr std::pair<Qt::Key, toolkit::Key> named_keys[] = {
    {Qt::Key_Left, toolkit::Key::Left},     {Qt::Key_Right, toolkit::Key::Right},
    {Qt::Key_Up, toolkit::Key::Up},         {Qt::Key_Down, toolkit::Key::Down},
    {Qt::Key_Home, toolkit::Key::Home},     {Qt::Key_End, toolkit::Key::End},
    {Qt::Key_PageUp, toolkit::Key::PageUp}, {Qt::Key_PageDown, toolkit::Key::PageDown},
    {Qt::Key_Escape, toolkit::Key::Escape}, {Qt::Key_Menu, toolkit::Key::Menu},
    {Qt::Key_Insert, toolkit::Key::Insert}, {Qt::Key_Delete, toolkit::Key::Delete},
};

constexpr std::pair<Qt::KeyboardModifier, unsigned> modifier_bits[] = {
    {Qt::ControlModifier, toolkit::ctrl_modifier},
    {Qt::AltModifier, toolkit::alt_modifier},
    {Qt::ShiftModifier, toolkit::shift_modifier},
    {Qt::MetaModifier, toolkit::meta_modifier},
};

std::optional<toolkit::Key> chordKey(int key) {
    // Qt's codes of letters and digits are their characters' codes, as the
    // toolkit's are.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<toolkit::Key>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<toolkit::Key>(static_cast<int>(toolkit::Key::F1) + key - Qt::Key_F1);
    for (const auto& [qt, chord] : named_keys)
        if (qt == key) return chord;
    return std::nullopt;
}

}  // namespace

std::optional<toolkit::KeyChord> keyChord(const QKeyEvent& event) {
    const std::optional<toolkit::Key> key = chordKey(event.key());
    if (!key) return std::nullopt;
    // The keypad's keys count as the main keyboard's.
    toolkit::KeyChord chord{*key, 0};
    for (const auto& [qt, bit] : modifier_bits)
        if (event.modifiers() & qt) chord.modifiers |= bit;
    if (!toolkit::isChord(chord)) return std::nullopt;
    return chord;
}

QKeySequence keySequence(toolkit::KeyChord chord) {
    int key = static_cast<int>(chord.key);
    const int f = key - static_cast<int>(toolkit::Key::F1);
    if (f >= 0 && f < 12) key = Qt::Key_F1 + f;
    for (const auto& [qt, k] : named_keys)
        if (k == chord.key) key = qt;
    Qt::KeyboardModifiers modifiers;
    for (const auto& [qt, bit] : modifier_bits)
        if (chord.modifiers & bit) modifiers |= qt;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

bool opensMenu(toolkit::KeyChord chord) {
    static const toolkit::KeyChord menu = *toolkit::chordFromName("Menu");
    static const toolkit::KeyChord shiftF10 = *toolkit::chordFromName("Shift+F10");
    return chord == menu || chord == shiftF10;
}

}  // namespace qtfront
