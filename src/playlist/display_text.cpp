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

std::string_view RealDisplayTextIn(std::string_view realPath, bool fullPath) {
    std::string_view text = DisplayTextIn(realPath, fullPath);
    const auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    const auto end = static_cast<std::size_t>(text.data() - realPath.data()) + text.size();
    if (end < realPath.size() && continues(realPath[end])) { // the cut split a character
        while (!text.empty() && continues(text.back())) {
            text.remove_suffix(1);
        }
        text.remove_suffix(text.empty() ? 0 : 1);
    }
    return text;
}

std::string MakeDisplayText(std::string_view path, bool fullPath) {
    return std::string(DisplayTextIn(path, fullPath));
}

} // namespace tundeck
