#pragma once
// Reads a file's header facts: one open, its size and a few small reads.

#include "trackinfo/mpeg_header.h"

#include <string>

namespace tundeck {

// All zero when no file can be opened for reading under `path` (missing, a directory, held
// open for writing by another program). A file shorter than four bytes raises
// "Read beyond end of file". A relative path resolves against the current directory.
MpegHeaderInfo ReadMpegHeader(const std::string& path);

} // namespace tundeck
