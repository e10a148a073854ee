#pragma once
// Finding the player's executable with the file-open dialog.

#include "framework/interaction.h"

#include <string>

namespace tundeck {

// Shows the dialog once; `executable` becomes the chosen path. False when the user cancels. The
// current directory is the same afterwards.
bool AskForPlayer(UserInteraction& ui, WindowHandle owner, std::string& executable);

// While no file exists at `executable`, asks for it (a typed name of a missing file asks
// again). False when the user cancels; `executable` then holds the last choice.
bool LocatePlayer(UserInteraction& ui, WindowHandle owner, std::string& executable);

} // namespace tundeck
