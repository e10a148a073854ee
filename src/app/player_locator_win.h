#pragma once
// Finding the player's executable: the file-open dialog until an existing file is chosen.

#include "framework/interaction.h"

#include <string>

namespace tundeck {

// While no file exists at `executable`, asks for it (a typed name of a missing file asks
// again). False when the user cancels; `executable` then holds the last choice. The current
// directory is the same afterwards.
bool LocatePlayer(UserInteraction& ui, WindowHandle owner, std::string& executable);

} // namespace tundeck
