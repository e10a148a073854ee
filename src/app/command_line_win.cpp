#include "app/command_line_win.h"

#include "framework/file_io_win.h"
#include "framework/wide_names_win.h"
#include "playlist/playlist_files_win.h"

#include <algorithm>

namespace tundeck {

namespace {

// What follows the program's name, as WinMain is given it.
std::wstring_view Arguments(std::wstring_view line) {
    std::size_t at = 0;
    if (!line.empty() && line[0] == L'"') {
        at = std::min(line.find(L'"', 1), line.size() - 1) + 1;
    }
    while (at < line.size() && line[at] > L' ') {
        ++at;
    }
    while (at < line.size() && line[at] <= L' ') {
        ++at;
    }
    return line.substr(at);
}

} // namespace

std::vector<std::string> CommandLineWords(std::wstring_view commandLine) {
    const std::wstring_view arguments = Arguments(commandLine);
    if (const std::optional<std::string> spelt = AnsiSpelling(arguments)) {
        return SplitCommandLine(*spelt);
    }
    std::vector<std::wstring> words;
    std::wstring joined;
    for (const std::string& word : SplitCommandLine(Utf8FromWide(arguments))) {
        words.push_back(WideFromUtf8(word));
        joined += (joined.empty() ? L"" : L" ") + words.back();
    }
    if (GetFileAttributesW(joined.c_str()) != INVALID_FILE_ATTRIBUTES) {
        words = {joined}; // one path with blanks that came unquoted
    }
    std::vector<std::string> kept;
    for (const std::wstring& word : words) {
        if (std::optional<std::string> path = KeptPath(word)) {
            kept.push_back(std::move(*path));
        }
    }
    return kept;
}

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
