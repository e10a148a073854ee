#pragma once
// The main window's menu bar and the lists' popup menus as item tables, and which command
// of the popup menu is its default.

#include "app/commands.h"
#include "framework/menu_items.h"

#include <cstdint>
#include <span>

namespace tundeck {

std::span<const MenuItemSpec> MainMenuItems();
// The two popup menus: commands, then the information items from InfoItemsPosition on.
std::span<const MenuItemSpec> PlaylistPopupItems();
std::span<const MenuItemSpec> FilePopupItems();

// The command drawn in bold in the playlist's popup menu: the one the double-click action does;
// with numbering after the playlist, "Play from here" also for action 2. 0 for none.
int DefaultPlaylistCommand(bool numberAfterPlaylist, std::uint8_t doubleClickAction);

} // namespace tundeck
