// Any four bytes and any size: no read outside the tables, every field within its range, and
// the information lines written from it.
#include "trackinfo/info_lines.h"
#include "trackinfo/mpeg_header.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tundeck::MpegHeaderBytes bytes{};
    std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());
    std::uint64_t rawSize = 0;
    if (size > bytes.size()) {
        std::memcpy(&rawSize, data + bytes.size(), std::min(size - bytes.size(), sizeof rawSize));
    }
    // File sizes are never negative.
    const std::int64_t fileSize = static_cast<std::int64_t>(rawSize >> 1);

    const tundeck::MpegHeaderInfo info = tundeck::DecodeMpegHeader(bytes, fileSize);
    const bool inRange = info.Version >= 1 && info.Version <= 3 && info.Layer >= 1 && info.Layer <= 4 &&
                         info.Bitrate >= 0 && info.Bitrate <= 448 && info.SampleFrequency >= 0 &&
                         info.SampleFrequency <= 48 && info.FileSize == fileSize;
    const tundeck::InfoLines lines = tundeck::HeaderInfoLines(info);
    if (!inRange || tundeck::TrackSeconds(info) < 0 || lines.Frequency.size() != 23) {
        std::abort();
    }
    return 0;
}
