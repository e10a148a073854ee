#include "app/main_menus.h"

namespace tundeck {

namespace {

constexpr MenuItemSpec MainMenu[] = {
    {"File", 0},
    {"Options...", CmdOptions},
    {"Save Playlist As...\tCtrl+S", CmdSavePlaylist},
    {"Exit", CmdExit},
    {nullptr, 0},
    {"Help", 0},
    {"About", CmdAbout},
    {nullptr, 0},
};

constexpr MenuItemSpec PlaylistPopup[] = {
    {"Play from here", CmdPlayFromHere},
    {"Play single", CmdPlaySingle},
    {"Remove", CmdRemove},
};

} // namespace

std::span<const MenuItemSpec> MainMenuItems() {
    return MainMenu;
}

std::span<const MenuItemSpec> PlaylistPopupItems() {
    return PlaylistPopup;
}

int DefaultPlaylistCommand(bool numberAfterPlaylist, std::uint8_t doubleClickAction) {
    switch (doubleClickAction) {
    case 1:
        return CmdPlayFromHere;
    case 2:
        return numberAfterPlaylist ? CmdPlayFromHere : CmdPlaySingle;
    case 3:
        return CmdRemove;
    default:
        return 0;
    }
}

} // namespace tundeck
