#include "playlist/playlist_files_win.h"

#include "framework/file_io_win.h"
#include "playlist/m3u.h"

namespace tundeck {

void WritePlaylistFile(const std::string& fileName, const std::vector<std::string>& paths) {
    WriteFileBytes(fileName, FormatPlaylistFile(paths));
}

void ReadPlaylistFile(Playlist& playlist, const std::string& fileName, int position, bool select) {
    if (!FileExists(fileName)) {
        return;
    }
    AddPlaylistFileText(playlist, ReadFileBytes(fileName), position, select);
}

} // namespace tundeck
