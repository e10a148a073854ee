#pragma once
// Searching a directory by wildcard, with the entries' attributes as the file system gives them.

#include <windows.h>

#include <string>
#include <vector>

namespace tundeck {

struct FoundEntry {
    std::string Name; // as paths use it: its short name where the code page cannot spell it
    std::string Real; // UTF-8, only where the code page cannot spell it; then an empty Name
                      // means that it has no short name to be reached by
    DWORD Attributes = 0;
    // Whether its real name matches a wildcard `pattern` such as "*.mp3".
    bool Matches(const std::string& pattern) const;
};

// Every entry matching `query` ("dir\*.mp3") by its name or short name, "." and ".." left out, in the order
// the search returns them; none when the directory is missing or cannot be searched. The search is closed
// before this returns.
std::vector<FoundEntry> SearchDirectory(const std::string& query);

} // namespace tundeck
