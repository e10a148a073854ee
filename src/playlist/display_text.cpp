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
    if (fullPath) {
        return realPath;
    }
    const std::size_t last = realPath.find_last_of("\\:");
    const std::string_view name = last == std::string_view::npos ? realPath : realPath.substr(last + 1);
    // A character is a lead byte with the bytes that continue it.
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        const bool continues = (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80;
        if (!continues && ++characters > MaxFileNameTextLength) {
            return name.substr(0, at);
        }
    }
    return name;
}

std::string MakeDisplayText(std::string_view path, bool fullPath) {
    return std::string(DisplayTextIn(path, fullPath));
}

} // namespace tundeck
