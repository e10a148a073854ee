#pragma once
// Command identifiers of the menus and popup menus; the controls use their own identifiers.

#include "app/main_controls.h"

namespace tundeck {

enum CommandId : int {
    CmdFirst = 1000,
    CmdOptions = CmdFirst,
    CmdSavePlaylist,
    CmdExit,
    CmdAbout,
    CmdPlayFromHere,   // Playfromhere1, the playlist's popup menu
    CmdPlaySingle,     // Play1, the playlist's popup menu
    CmdPlayFileSingle, // Playsingle1, the file list's popup menu
    CmdRemove,         // Remove1, the playlist's popup menu
    CmdViewEditTag1,   // ViewEditIDTag1, the playlist's popup menu
    CmdViewEditTag2,   // ViewEditIDTag2, the file list's popup menu
    CmdUndo,           // shortcuts only: the playlist's history
    CmdRedo,
    CmdLast = CmdRedo,
};

// A command and a control never share an identifier, and both fit the 16 bits of WM_COMMAND.
static_assert(IdLabel2 > 0 && int{IdLastControl} < int{CmdFirst} && CmdLast <= 0xFFFF);

} // namespace tundeck
