// Any bytes as a playlist file: lines hold no line end or Ctrl-Z, accepted lines survive a write
// and a read, and reading into a playlist keeps the list in step.
#include "playlist/m3u.h"

#include "../playlist/fake_list_widget.h"
#include "playlist/playlist.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> accepted;
    for (std::string_view line : tundeck::SplitPlaylistLines(text)) {
        if (line.empty() || line.find_first_of("\r\n\x1a") != std::string_view::npos) {
            std::abort();
        }
        if (tundeck::IsPlaylistTrackLine(line)) {
            accepted.emplace_back(line);
        }
    }
    const std::string written = tundeck::FormatPlaylistFile(accepted);
    const std::vector<std::string_view> reread = tundeck::SplitPlaylistLines(written);
    if (std::vector<std::string>(reread.begin(), reread.end()) != accepted) {
        std::abort();
    }

    tundeck::FakeListWidget widget;
    const bool showFullPath = size % 2 == 0;
    tundeck::Playlist playlist(widget, showFullPath);
    playlist.AddTrack("C:\\first.mp3", -1, true);
    playlist.AddTrack("C:\\last.mp3", -1, false);
    const int added = tundeck::AddPlaylistFileText(playlist, text, 1, true);
    if (added != static_cast<int>(accepted.size()) || playlist.Count() != added + 2 ||
        widget.Count() != playlist.Count() || playlist.SelectedCount() != added + 1 ||
        playlist.Path(playlist.Count() - 1) != "C:\\last.mp3") {
        std::abort();
    }
    return 0;
}
