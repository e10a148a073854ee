#pragma once
// What the first four bytes of a file say when taken as an MPEG audio frame header.

#include <array>
#include <cstdint>

namespace tundeck {

// All zero means nothing is known.
struct MpegHeaderInfo {
    std::uint8_t Version = 0;   // 1 = MPEG-1, 2 = MPEG-2, 3 = MPEG-2.5
    std::uint8_t Layer = 0;     // 1 to 3; 4 is the reserved layer code
    std::int32_t Bitrate = 0;   // kbit/s; 0 for free format, the forbidden index and layer 4
    double SampleFrequency = 0; // kHz; 0 for the reserved index
    std::int64_t FileSize = 0;  // bytes; 64 bits so files of 2 GiB and more are measured
};

using MpegHeaderBytes = std::array<std::uint8_t, 4>;

// Decodes the bytes as they stand: no sync search, no validity check.
MpegHeaderInfo DecodeMpegHeader(const MpegHeaderBytes& bytes, std::int64_t fileSize);

// Whole seconds of FileSize * 8 / (Bitrate * 1000), rounded down; 0 when the bitrate is 0.
std::int32_t TrackSeconds(const MpegHeaderInfo& info);

} // namespace tundeck
