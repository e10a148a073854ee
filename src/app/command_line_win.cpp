#include "app/command_line_win.h"

#include "framework/file_io_win.h"
#include "playlist/playlist_files_win.h"

namespace tundeck {

bool AddCommandLineFiles(Playlist& playlist, const std::vector<std::string>& words, bool autoPlay) {
    const CommandLinePlan plan =
        PlanCommandLine(words, autoPlay, [](const std::string& path) { return FileExists(path); });
    for (const CommandLineFile& file : plan.Files) {
        if (file.IsPlaylistFile) {
            ReadPlaylistFile(playlist, file.Path, -1, false);
        } else {
            playlist.AddTrack(file.Path, -1, false);
        }
    }
    return plan.Play;
}

} // namespace tundeck
