#include "playlist/display_text.h"

#include <algorithm>

namespace tundeck {

bool IsStreamEntry(std::string_view path) {
    return path.substr(0, 5) == "http:";
}

std::string_view DisplayTextIn(std::string_view path, bool fullPath) {
    if (fullPath) {
        return path;
    }
    // Only the separators matter, so a stream's "/" is looked for instead of copying the path.
    const std::string_view separators = IsStreamEntry(path) ? "\\:/" : "\\:";
    const std::size_t last = path.find_last_of(separators);
    const std::string_view name = last == std::string_view::npos ? path : path.substr(last + 1);
    return name.substr(0, MaxFileNameTextLength);
}

std::string MakeDisplayText(std::string_view path, bool fullPath) {
    return std::string(DisplayTextIn(path, fullPath));
}

} // namespace tundeck
