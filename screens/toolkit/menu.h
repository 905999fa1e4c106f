// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screens/toolkit/key_chord.h"

namespace toolkit {

class Element;

// One entry of a right-click menu: a command (text and action), a submenu
// (text and items) or a separator (no text).
struct MenuItem {
    std::string text;
    std::function<void()> action;
    std::vector<MenuItem> submenu;
    // Shown beside the text as the item's key; the menu binds no key itself.
    std::optional<KeyChord> shortcut;
    // A disabled item is shown greyed and cannot be chosen.
    bool enabled = true;

    bool separator() const { return text.empty(); }
    static MenuItem separatorItem() { return {}; }
};

// A right-click menu, shared by every element that shows it: it makes the
// items at each opening, for the element it opens on, so that they may
// differ from one opening to the next.
using ContextMenu = std::function<std::vector<MenuItem>(Element& element)>;

// The command item at "Text" or "Submenu/Text"; null when there is none.
const MenuItem* findMenuItem(const std::vector<MenuItem>& menu, std::string_view path);

}  // namespace toolkit
