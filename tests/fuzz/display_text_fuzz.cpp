// Any bytes as a path: the file-name text is a bounded tail of the path with no separator left.
#include "playlist/display_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    if (tundeck::MakeDisplayText(path, true) != path) {
        std::abort();
    }
    const std::string name = tundeck::MakeDisplayText(path, false);
    const std::string_view separators = tundeck::IsStreamEntry(path) ? "\\:/" : "\\:";
    if (name.size() > tundeck::MaxFileNameTextLength || name.find_first_of(separators) != std::string::npos) {
        std::abort();
    }
    // What was cut off at the end is the rest of the last path part.
    const std::size_t start = path.find_last_of(separators) + 1; // npos + 1 is 0
    if (path.substr(start, name.size()) != name) {
        std::abort();
    }
    return 0;
}
