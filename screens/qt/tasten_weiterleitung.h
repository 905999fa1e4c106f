// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "screens/toolkit/shortcuts.h"

class QKeyEvent;
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
bool tasteAnModell(const QKeyEvent& event, toolkit::Element& element);
// Routes text committed by an input method, one key press per character.
void textAnModell(const QString& text, toolkit::Element& element);
// Keys that only move the cursor, select or copy: the widget may handle them.
bool nurNavigation(const QKeyEvent& event);

// The model's special key for an arrow key or one of the program's
// shortcuts; none for any other key.
std::optional<toolkit::SpecialKey> specialKey(const QKeyEvent& event);

}  // namespace qtfront
