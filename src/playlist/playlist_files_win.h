#pragma once
// Playlist files on disk.

#include "framework/interaction.h"
#include "playlist/playlist.h"

#include <string>
#include <vector>

namespace tundeck {

// The temporary playlist lives beside the executable, never in the current directory.
inline std::string TempPlaylistPath(const std::string& programDirectory) {
    return programDirectory + "tmplist.m3u";
}

// Writes each path followed by CR LF as the whole new content of `fileName`, put in place only
// once written, so a failed write leaves the old file as it was.
void WritePlaylistFile(const std::string& fileName, const std::vector<std::string>& paths);

// Inserts the file's ".mp3" lines from `position` on (-1 appends); a missing file adds nothing.
void ReadPlaylistFile(Playlist& playlist, const std::string& fileName, int position, bool select);

// File > Save Playlist As: asks for a name (and before overwriting), then writes `paths`
// there. The old file stays whole until the new one is completely written. True when saved.
bool SavePlaylistAs(UserInteraction& ui, WindowHandle owner, const std::vector<std::string>& paths);

} // namespace tundeck
