#pragma once
// Command identifiers of the menus; the buttons use their control identifiers.

namespace tundeck {

enum CommandId : int {
    CmdOptions = 1000,
    CmdSavePlaylist,
    CmdExit,
    CmdAbout,
};

} // namespace tundeck
