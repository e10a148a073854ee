// Any file: the whole reading (leading tags, the frame search, VBR headers, tags at the end)
// stays inside the file and within its reads, every field within its range, and the
// information lines written from it.
#include "framework/error.h"
#include "trackinfo/info_lines.h"
#include "support/memory_bytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tundeck::testing::MemoryBytes file({reinterpret_cast<const char*>(data), size});
    const std::int64_t fileSize = static_cast<std::int64_t>(size);
    tundeck::MpegHeaderInfo info;
    try {
        info = file.Analyse();
    } catch (const tundeck::Error&) {
        if (size >= 4) {
            std::abort();
        }
        return 0;
    }
    const bool inRange = info.Version >= 1 && info.Version <= 3 && info.Layer >= 1 && info.Layer <= 4 &&
                         info.Bitrate >= 0 && info.SampleFrequency >= 0 && info.SampleFrequency <= 48 &&
                         info.FileSize == fileSize && info.OtherBytes >= 0 && info.OtherBytes <= fileSize &&
                         (info.Frames == 0 || info.Layer == 3);
    const tundeck::InfoLines lines = tundeck::HeaderInfoLines(info);
    if (!inRange || file.Reads > 8 || tundeck::TrackSeconds(info) < 0 || lines.Frequency.size() != 23) {
        std::abort();
    }
    return 0;
}
