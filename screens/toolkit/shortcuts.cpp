// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/shortcuts.h"

#include <array>
#include <utility>

namespace toolkit {

namespace {

constexpr std::array<std::pair<SpecialKey, std::string_view>, 9> names{{
    {SpecialKey::Left, "Left"},
    {SpecialKey::Right, "Right"},
    {SpecialKey::Up, "Up"},
    {SpecialKey::Down, "Down"},
    {SpecialKey::CtrlV, "Ctrl+V"},
    {SpecialKey::ShiftInsert, "Shift+Insert"},
    {SpecialKey::CtrlE, "Ctrl+E"},
    {SpecialKey::CtrlH, "Ctrl+H"},
    {SpecialKey::CtrlS, "Ctrl+S"},
}};

}  // namespace

std::string_view specialKeyName(SpecialKey key) {
    for (const auto& [k, name] : names)
        if (k == key) return name;
    return {};
}

std::optional<SpecialKey> specialKeyFromName(std::string_view name) {
    for (const auto& [k, n] : names)
        if (n == name) return k;
    return std::nullopt;
}

const MenuItem* findMenuItem(const std::vector<MenuItem>& menu, std::string_view path) {
    const std::size_t slash = path.find('/');
    const std::string_view head = path.substr(0, slash);
    for (const MenuItem& item : menu) {
        if (item.separator() || item.text != head) continue;
        if (slash == std::string_view::npos) return item.submenu.empty() ? &item : nullptr;
        return findMenuItem(item.submenu, path.substr(slash + 1));
    }
    return nullptr;
}

}  // namespace toolkit
