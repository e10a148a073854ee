#pragma once
// What the playlist takes from the command line at start.

#include "app/command_line.h"
#include "playlist/playlist.h"

namespace tundeck {

// The words of a whole command line after the program's name, as the program keeps paths: where
// the code page cannot spell the line, each word by its short form; a word without one is left
// out and noted as out of reach.
std::vector<std::string> CommandLineWords(std::wstring_view commandLine);

// Appends, unselected, what PlanCommandLine takes from `words`; true when Play All follows.
bool AddCommandLineFiles(Playlist& playlist, const std::vector<std::string>& words, bool autoPlay);

} // namespace tundeck
