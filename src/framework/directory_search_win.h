#pragma once
// Searching a directory by wildcard, with the entries' attributes as the file system gives them.

#include <windows.h>

#include <string>
#include <vector>

namespace tundeck {

struct FoundEntry {
    std::string Name;
    DWORD Attributes = 0;
};

// Every entry matching `query` ("dir\*.mp3"), "." and ".." left out, in the order the search
// returns them; none when the directory is missing or cannot be searched. The search is
// closed before this returns.
std::vector<FoundEntry> SearchDirectory(const std::string& query);

} // namespace tundeck
