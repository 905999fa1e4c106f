// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "screens/toolkit/key_chord.h"

class QKeyEvent;
class QKeySequence;
class QString;

namespace toolkit {
class Element;
}

namespace qtfront {

// Key handling of text boxes whose typing the model filters (board cells).
// Such a box never edits itself: every key that produces a character becomes
// a key press on the model's focus element, which decides what lands where.

// Routes a key press that produces a character (Backspace as 8, Enter as 13)
// into the model; false when the key produces none.
bool keyToModel(const QKeyEvent& event, toolkit::Element& element);
// Routes text committed by an input method, one key press per character.
void textToModel(const QString& text, toolkit::Element& element);
// Keys that only move the cursor, select or copy: the widget may handle them.
bool navigationOnly(const QKeyEvent& event);

// The model's key chord for a key press: a key that types no character, or a
// letter or digit with Ctrl, each with the modifiers held; none for a key
// that types a character or that the chords do not know. By the key, not by
// its text: Ctrl+H comes with the text of a Backspace.
std::optional<toolkit::KeyChord> keyChord(const QKeyEvent& event);
// The chord as Qt writes it, to show it beside a menu item.
QKeySequence keySequence(toolkit::KeyChord chord);
// Whether the chord is one of the keys that open the right-click menu where
// the keyboard focus stands: the menu key, Shift+F10.
bool opensMenu(toolkit::KeyChord chord);

}  // namespace qtfront
