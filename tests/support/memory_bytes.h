#pragma once
// A file in memory, read at positions, that counts its reads: for the tests and the fuzzing of
// the track files' reading.

#include "trackinfo/mpeg_audio.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tundeck::testing {

class MemoryBytes : public FileBytes {
public:
    explicit MemoryBytes(std::string_view bytes) : bytes_(bytes) {}

    std::size_t ReadAt(std::int64_t offset, std::uint8_t* out, std::size_t count) override {
        ++Reads;
        const std::size_t from = std::min(bytes_.size(), static_cast<std::size_t>(offset));
        const std::size_t length = std::min(count, bytes_.size() - from);
        if (length > 0) {
            std::memcpy(out, bytes_.data() + from, length);
        }
        return length;
    }
    MpegHeaderInfo Analyse() { return AnalyseMpegAudio(*this, static_cast<std::int64_t>(bytes_.size())); }

    int Reads = 0;

private:
    std::string_view bytes_;
};

} // namespace tundeck::testing
