#pragma once
// Menus as data: one row per item.

namespace tundeck {

// Item flags.
inline constexpr unsigned MenuItemDisabled = 1;
inline constexpr unsigned MenuItemColumnBreak = 2; // starts a new column, after a vertical bar

struct MenuItemSpec {
    const char* Caption; // nullptr ends a popup of a menu bar
    int Id;              // 0 opens a popup of a menu bar with this caption; in a popup menu, no command
    unsigned Flags = 0;
};

} // namespace tundeck
