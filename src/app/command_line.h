#pragma once
// The command line: its words, and what the playlist takes from them at start.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tundeck {

// Words separated by blanks and control characters; double quotes group a stretch with blanks
// into one word and are removed; an empty pair of quotes gives no word.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

struct CommandLineFile {
    std::string Path;
    bool IsPlaylistFile; // ".m3u": read into the playlist; otherwise an ".mp3" added as a track
};

struct CommandLinePlan {
    std::vector<CommandLineFile> Files;
    bool Play = false; // Play All afterwards
};

// The words joined with one blank name one file, which rebuilds a path with blanks that came
// unquoted; the last word's extension decides: an existing ".mp3" is added, an ".m3u" read
// (and played even when missing or empty). When the joined path names no file but every word
// on its own is an existing ".mp3" or ".m3u", as the shell passes several chosen files, each is
// taken in order. `autoPlay` is the option that plays what was taken.
CommandLinePlan PlanCommandLine(const std::vector<std::string>& words, bool autoPlay,
                                const std::function<bool(const std::string&)>& fileExists);

} // namespace tundeck
