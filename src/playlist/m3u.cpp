#include "playlist/m3u.h"

#include "framework/text.h"
#include "playlist/playlist.h"

#include <algorithm>
#include <cstddef>

namespace tundeck {

namespace {

constexpr char EndOfFile = 26; // Ctrl-Z

} // namespace

std::vector<std::string_view> SplitPlaylistLines(std::string_view text) {
    text = text.substr(0, text.find(EndOfFile));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (end > start) {
            lines.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}

bool HoldsEndOfFile(std::string_view text) {
    return text.find(EndOfFile) != std::string_view::npos;
}

std::string_view CompleteLines(std::string_view text) {
    const std::size_t lastEnd = text.find_last_of("\r\n");
    return text.substr(0, lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
}

bool IsPlaylistTrackLine(std::string_view line) {
    return PathExtension(line) == ".mp3";
}

std::string FormatPlaylistFile(const std::vector<std::string>& paths) {
    return JoinLinesCrLf(paths);
}

int AddPlaylistFileText(Playlist& playlist, std::string_view text, int position, bool select) {
    std::vector<std::string_view> tracks;
    for (std::string_view line : SplitPlaylistLines(text)) {
        if (IsPlaylistTrackLine(line)) {
            tracks.push_back(line);
        }
    }
    playlist.AddTracks(tracks, position, select);
    return static_cast<int>(tracks.size());
}

} // namespace tundeck
