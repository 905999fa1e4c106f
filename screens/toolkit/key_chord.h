// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace toolkit {

// A key of a chord: one of the keys that type no character, or a letter or
// digit, whose value is its character's code ('A' to 'Z', '0' to '9').
enum class Key : int {
    Left = 0x100,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
    Escape,
    Menu,
    Insert,
    Delete,
    F1,
    F12 = F1 + 11,
};

// The modifiers held with a key, as bits.
inline constexpr unsigned ctrl_modifier = 1;
inline constexpr unsigned alt_modifier = 2;
inline constexpr unsigned shift_modifier = 4;
inline constexpr unsigned meta_modifier = 8;

// A key with the modifiers held, as the user presses it. A letter or a digit
// makes a chord only with Ctrl or Meta held; without, it types a character.
struct KeyChord {
    Key key = Key::Escape;
    unsigned modifiers = 0;
    bool operator==(const KeyChord&) const = default;
};

// Whether a key with these modifiers is a chord rather than a typed character.
bool isChord(KeyChord chord);

// The chord's name as people write it: the modifiers in the order Ctrl, Alt,
// Shift, Meta, each followed by "+", then the key: "Ctrl+Shift+Z", "Ctrl+1",
// "Shift+F10", "Escape", "Menu", "Left", "PageUp".
std::string chordName(KeyChord chord);
// The chord a name stands for, its modifiers in any order; none for a name
// that is no chord (an unknown key or modifier, a letter or digit typed
// without Ctrl or Meta).
std::optional<KeyChord> chordFromName(std::string_view name);

}  // namespace toolkit
