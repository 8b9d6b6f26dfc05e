#pragma once

#include <vector>

#include "core/mainwnd/MenuItem.h"

namespace sonara::testing {

// The normal item that sends `command`, searched through the sub-menus;
// null when the menu has none.
inline const MenuItem* findMenuItem(const std::vector<MenuItem>& items, Command command) {
    for (const MenuItem& item : items) {
        if (item.kind == MenuItemKind::Normal && item.command == command) {
            return &item;
        }
        if (const MenuItem* inner = findMenuItem(item.items, command)) {
            return inner;
        }
    }
    return nullptr;
}

}  // namespace sonara::testing
