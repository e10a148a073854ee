// Any file: the whole reading (leading tags, the frame search, VBR headers, tags at the end)
// stays inside the file and within its reads, every field within its range, and the
// information lines written from it.
#include "framework/error.h"
#include "trackinfo/info_lines.h"
#include "trackinfo/mpeg_audio.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class InputFile : public tundeck::FileBytes {
public:
    InputFile(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t ReadAt(std::int64_t offset, std::uint8_t* out, std::size_t count) override {
        if (offset < 0 || ++reads > 8) {
            std::abort();
        }
        const std::size_t from = std::min(size_, static_cast<std::size_t>(offset));
        const std::size_t length = std::min(count, size_ - from);
        std::memcpy(out, data_ + from, length);
        return length;
    }

    int reads = 0;

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputFile file(data, size);
    const std::int64_t fileSize = static_cast<std::int64_t>(size);
    tundeck::MpegHeaderInfo info;
    try {
        info = tundeck::AnalyseMpegAudio(file, fileSize);
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
    if (!inRange || tundeck::TrackSeconds(info) < 0 || lines.Frequency.size() != 23) {
        std::abort();
    }
    return 0;
}
