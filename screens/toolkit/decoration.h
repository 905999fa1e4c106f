// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace toolkit {

// A mark over a whole element. Each style reads apart from the others at a
// glance on every background colour, without colour vision as well, and
// apart from the frame of the keyboard focus.
enum class ElementMark {
    None,
    Frame,      // a thick solid frame
    Dashed,     // a dashed frame
    Dotted,     // a thin dotted frame
    Hatched,    // diagonal hatching
    Corners,    // a mark in each corner
    Underline,  // a thick bar below the text
};

// A mark of one digit in the element's text, wherever that digit stands.
enum class DigitMark { None, Marked, Struck };

// What an addition lays over an element for the user to see: a mark of the
// whole element and marks of single digits of its text. It changes none of
// the element's colours or texts, and printing never shows it.
struct Decoration {
    ElementMark mark = ElementMark::None;
    std::array<DigitMark, 10> digits{};  // by digit 0 to 9

    bool empty() const { return *this == Decoration{}; }
    bool operator==(const Decoration&) const = default;
};

// The decoration in words, for scripts: "none"; else the mark ("frame",
// "dashed", "dotted", "hatched", "corners", "underline"), then
// "marked" and "struck", each followed by its digits in ascending order:
// "frame", "marked 3 7 struck 5", "dashed struck 1".
std::string decorationText(const Decoration& decoration);

}  // namespace toolkit
