#pragma once
// What the playlist takes from the command line at start.

#include "app/command_line.h"
#include "playlist/playlist.h"

namespace tundeck {

// Appends, unselected, what PlanCommandLine takes from `words`; true when Play All follows.
bool AddCommandLineFiles(Playlist& playlist, const std::vector<std::string>& words, bool autoPlay);

} // namespace tundeck
