#pragma once
// Plain-text helpers shared by the file formats.

#include <string>
#include <string_view>
#include <vector>

namespace tundeck {

// Text as it is shown: in the code page, or in UTF-8 for a name the code page cannot spell.
struct ShownText {
    std::string_view Text;
    bool Utf8 = false;
};

// Every line followed by CR LF, the last one included.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// ASCII lower case; other bytes of the single-byte code page stay as they are.
std::string LowerAscii(std::string_view text);

// Text from the last "." that stands after the last "\" and ":", lower-cased; empty if none.
std::string PathExtension(std::string_view path);

// The directory path ending in "\", as paths of its entries are made; an empty one gives "\".
std::string WithTrailingBackslash(std::string directory);

} // namespace tundeck
