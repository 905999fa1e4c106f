// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/key_chord.h"

#include <array>
#include <utility>

namespace toolkit {

namespace {

constexpr std::array<std::pair<Key, std::string_view>, 12> key_names{{
    {Key::Left, "Left"},
    {Key::Right, "Right"},
    {Key::Up, "Up"},
    {Key::Down, "Down"},
    {Key::Home, "Home"},
    {Key::End, "End"},
    {Key::PageUp, "PageUp"},
    {Key::PageDown, "PageDown"},
    {Key::Escape, "Escape"},
    {Key::Menu, "Menu"},
    {Key::Insert, "Insert"},
    {Key::Delete, "Delete"},
}};

constexpr std::array<std::pair<unsigned, std::string_view>, 4> modifier_names{{
    {ctrl_modifier, "Ctrl"},
    {alt_modifier, "Alt"},
    {shift_modifier, "Shift"},
    {meta_modifier, "Meta"},
}};

constexpr unsigned all_modifiers = ctrl_modifier | alt_modifier | shift_modifier | meta_modifier;

bool isCharacterKey(Key key) {
    const int code = static_cast<int>(key);
    return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
}

std::optional<Key> keyFromName(std::string_view name) {
    for (const auto& [key, n] : key_names)
        if (n == name) return key;
    if (name.size() == 1 && isCharacterKey(static_cast<Key>(name[0])))
        return static_cast<Key>(name[0]);
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int number = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            number = number * 10 + (c - '0');
        }
        if (name[1] != '0' && number >= 1 && number <= 12)
            return static_cast<Key>(static_cast<int>(Key::F1) + number - 1);
    }
    return std::nullopt;
}

}  // namespace

bool isChord(KeyChord chord) {
    if ((chord.modifiers & ~all_modifiers) != 0) return false;
    if (isCharacterKey(chord.key)) return (chord.modifiers & (ctrl_modifier | meta_modifier)) != 0;
    const int code = static_cast<int>(chord.key);
    return code >= static_cast<int>(Key::Left) && code <= static_cast<int>(Key::F12);
}

std::string chordName(KeyChord chord) {
    std::string name;
    for (const auto& [bit, n] : modifier_names)
        if (chord.modifiers & bit) name += std::string(n) + "+";
    const int code = static_cast<int>(chord.key);
    if (isCharacterKey(chord.key)) return name + static_cast<char>(code);
    if (code >= static_cast<int>(Key::F1) && code <= static_cast<int>(Key::F12))
        return name + "F" + std::to_string(code - static_cast<int>(Key::F1) + 1);
    for (const auto& [key, n] : key_names)
        if (key == chord.key) return name + std::string(n);
    return name + "?";
}

std::optional<KeyChord> chordFromName(std::string_view name) {
    KeyChord chord;
    while (true) {
        const std::size_t plus = name.find('+');
        // A trailing "+" belongs to no key this type knows.
        if (plus == std::string_view::npos || plus + 1 == name.size()) break;
        const std::string_view part = name.substr(0, plus);
        unsigned bit = 0;
        for (const auto& [b, n] : modifier_names)
            if (n == part) bit = b;
        if (bit == 0 || (chord.modifiers & bit)) return std::nullopt;
        chord.modifiers |= bit;
        name.remove_prefix(plus + 1);
    }
    const std::optional<Key> key = keyFromName(name);
    if (!key) return std::nullopt;
    chord.key = *key;
    if (!isChord(chord)) return std::nullopt;
    return chord;
}

}  // namespace toolkit
