#include "app/main_menus.h"

namespace tundeck {

namespace {

// The "&" marks each item's access key (Alt+F opens File); it is not shown.
constexpr MenuItemSpec MainMenu[] = {
    {"&File", 0},
    {"&Options...", CmdOptions},
    {"&Save Playlist As...\tCtrl+S", CmdSavePlaylist},
    {"E&xit", CmdExit},
    {nullptr, 0},
    {"&Help", 0},
    {"&About", CmdAbout},
    {nullptr, 0},
};

constexpr const char* Separator = "--------------------------";

// Commands on the left; after a bar, the information items, which do nothing when clicked.
constexpr MenuItemSpec PlaylistPopup[] = {
    {"Play from here", CmdPlayFromHere},
    {"Play single", CmdPlaySingle},
    {"Remove", CmdRemove},
    {Separator, 0, MenuItemDisabled},
    {"View/Edit ID3-Tag", CmdViewEditTag1},
    {"", 0, MenuItemColumnBreak},
    {"", 0},
    {"", 0},
    {"", 0},
    {"", 0},
};

constexpr MenuItemSpec FilePopup[] = {
    {"Play single", CmdPlayFileSingle},
    {Separator, 0, MenuItemDisabled},
    {"", 0, MenuItemDisabled},
    {"", 0, MenuItemDisabled},
    {"View/Edit ID3-Tag", CmdViewEditTag2},
    {"", 0, MenuItemColumnBreak},
    {"", 0},
    {"", 0},
    {"", 0},
    {"", 0},
};

} // namespace

std::span<const MenuItemSpec> MainMenuItems() {
    return MainMenu;
}

std::span<const MenuItemSpec> PlaylistPopupItems() {
    return PlaylistPopup;
}

std::span<const MenuItemSpec> FilePopupItems() {
    return FilePopup;
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
