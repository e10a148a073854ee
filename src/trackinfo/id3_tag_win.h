#pragma once
// Reading and writing a track file's last 128 bytes, where its ID3v1 tag is.

#include "trackinfo/id3_tag.h"

#include <optional>
#include <string>

namespace tundeck {

// The file's last 128 bytes; nothing when there is no file under `path` or it cannot be opened
// for reading. A file shorter than 128 bytes raises the input/output error of the seek.
std::optional<TagBuffer> ReadTagBlock(const std::string& path);

enum class TagWrite { Written, NoFile, NoAccess };

// Replaces the fields of the file's tag with bytes 3 to 127 of `tag`, or appends all of `tag`
// when the file has none. NoAccess when the file cannot be opened for writing (another program
// holds it, it is read-only), leaving it as it was.
TagWrite WriteTagBlock(const std::string& path, const TagBuffer& tag);

} // namespace tundeck
