// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// Keys that produce no character (arrow keys) and the Ctrl/Shift shortcuts
// the program knows. They never reach an element's key filter.
enum class SpecialKey { Left, Right, Up, Down, CtrlV, ShiftInsert, CtrlE, CtrlH, CtrlS };

// "Left", "Ctrl+V", ...: the key's name as scripts and people write it.
std::string_view specialKeyName(SpecialKey key);
std::optional<SpecialKey> specialKeyFromName(std::string_view name);

// One entry of an element's right-click menu: a command (text and action),
// a submenu (text and items) or a separator (no text).
struct MenuItem {
    std::string text;
    std::function<void()> action;
    std::vector<MenuItem> submenu;

    bool separator() const { return text.empty(); }
    static MenuItem separatorItem() { return {}; }
};

// The command item at "Text" or "Submenu/Text"; null when there is none.
const MenuItem* findMenuItem(const std::vector<MenuItem>& menu, std::string_view path);

}  // namespace toolkit
