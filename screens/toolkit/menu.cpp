// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/menu.h"

namespace toolkit {

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
