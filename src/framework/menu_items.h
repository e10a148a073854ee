#pragma once
// Menus as data: one row per item.

namespace tundeck {

struct MenuItemSpec {
    const char* Caption; // nullptr ends a popup of a menu bar
    int Id;              // 0 opens a popup of a menu bar with this caption
};

} // namespace tundeck
