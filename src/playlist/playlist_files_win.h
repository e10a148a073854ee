#pragma once
// Playlist files on disk.

#include "playlist/playlist.h"

#include <string>
#include <vector>

namespace tundeck {

// The temporary playlist lives beside the executable, never in the current directory.
inline std::string TempPlaylistPath(const std::string& programDirectory) {
    return programDirectory + "tmplist.m3u";
}

// Creates or truncates `fileName` and writes each path followed by CR LF.
void WritePlaylistFile(const std::string& fileName, const std::vector<std::string>& paths);

// Inserts the file's ".mp3" lines from `position` on (-1 appends); a missing file adds nothing.
void ReadPlaylistFile(Playlist& playlist, const std::string& fileName, int position, bool select);

} // namespace tundeck
