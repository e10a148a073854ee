#pragma once
// How a playlist entry's path is shown in the list.

#include <cstddef>
#include <string>
#include <string_view>

namespace tundeck {

inline constexpr std::size_t MaxFileNameTextLength = 255;

// A stream address: the path begins with exactly "http:", case included.
bool IsStreamEntry(std::string_view path);

// The part of `path` the list shows: the path itself when fullPath is set; otherwise the part
// after the last "\" or ":" (slashes of a stream address count as "\"), at most
// MaxFileNameTextLength characters.
std::string_view DisplayTextIn(std::string_view path, bool fullPath);
// The same for a real path in UTF-8 (never a stream's), its characters counted whole.
std::string_view RealDisplayTextIn(std::string_view realPath, bool fullPath);
// The same as a string of its own.
std::string MakeDisplayText(std::string_view path, bool fullPath);

} // namespace tundeck
