#pragma once
// The rows of a directory list: the open path from its drive down, then the subdirectories.

#include <string>
#include <vector>

namespace tundeck {

struct DirectoryRow {
    std::string Name;      // "C:\" for the drive row, otherwise one directory name
    int Level;             // indentation depth
    bool Open;             // part of the open path
    std::string Real = {}; // UTF-8, where the code page cannot spell the name; then Name is its short
                           // name, or empty for one that has none
};

// The open rows of an absolute path such as "C:\Music\Band".
std::vector<DirectoryRow> OpenDirectoryRows(const std::string& path);

// The full path that row `index` stands for, given the rows and the open directory.
std::string DirectoryRowPath(const std::vector<DirectoryRow>& rows, std::size_t index);

} // namespace tundeck
