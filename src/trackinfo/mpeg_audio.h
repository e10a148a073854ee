#pragma once
// Where a file's audio really starts and what its first frame says: ID3v2 tags in front are
// skipped, junk before the first frame is searched past, a VBR header's frame count is read,
// and ID3v1 and APEv2 tags at the end are left out of the audio's size.

#include "trackinfo/mpeg_header.h"

#include <cstddef>
#include <cstdint>

namespace tundeck {

// One open file, read at positions.
class FileBytes {
public:
    virtual ~FileBytes() = default;
    // Reads up to `count` bytes from `offset` into `out`; fewer only at the end of the file.
    virtual std::size_t ReadAt(std::int64_t offset, std::uint8_t* out, std::size_t count) = 0;
};

// The header facts of a file of `fileSize` bytes, from a few small reads: its head, the audio
// start when a large tag pushes it past the head, and its tail. Where no real frame is found
// (no audio, free format), the first four bytes are decoded as they stand. A file of fewer
// than four bytes raises "Read beyond end of file".
MpegHeaderInfo AnalyseMpegAudio(FileBytes& file, std::int64_t fileSize);

} // namespace tundeck
