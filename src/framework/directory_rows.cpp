#include "framework/directory_rows.h"

#include <cstddef>

namespace tundeck {

std::vector<DirectoryRow> OpenDirectoryRows(const std::string& path) {
    std::vector<DirectoryRow> rows;
    std::size_t start = path.find('\\');
    rows.push_back({path.substr(0, start == std::string::npos ? path.size() : start) + "\\", 0, true});
    while (start != std::string::npos && start + 1 < path.size()) {
        const std::size_t end = path.find('\\', start + 1);
        const std::string name = path.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        if (!name.empty()) {
            rows.push_back({name, static_cast<int>(rows.size()), true});
        }
        start = end;
    }
    return rows;
}

std::string DirectoryRowPath(const std::vector<DirectoryRow>& rows, std::size_t index) {
    std::string path;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > index || (!rows[i].Open && i != index)) {
            continue;
        }
        if (!path.empty() && path.back() != '\\') {
            path += '\\';
        }
        path += rows[i].Name;
    }
    return path;
}

} // namespace tundeck
