#pragma once
// What a frame header says, and the playing time that follows from it.

#include <array>
#include <cstdint>

namespace tundeck {

// All zero means nothing is known.
struct MpegHeaderInfo {
    std::uint8_t Version = 0;    // 1 = MPEG-1, 2 = MPEG-2, 3 = MPEG-2.5
    std::uint8_t Layer = 0;      // 1 to 3; 4 is the reserved layer code
    std::int32_t Bitrate = 0;    // kbit/s; 0 for free format, the forbidden index and layer 4
    double SampleFrequency = 0;  // kHz; 0 for the reserved index
    std::int64_t FileSize = 0;   // bytes; 64 bits so files of 2 GiB and more are measured
    std::int64_t OtherBytes = 0; // tags and junk around the audio: counted in FileSize, never played
    std::uint32_t Frames = 0;    // frame count of a VBR header; 0 when the file has none
};

using MpegHeaderBytes = std::array<std::uint8_t, 4>;

// Decodes the bytes as they stand: no sync search, no validity check.
MpegHeaderInfo DecodeMpegHeader(const MpegHeaderBytes& bytes, std::int64_t fileSize);

// Whole seconds, rounded down: Frames * samples per frame / sample rate where a VBR header gave
// the frame count, else (FileSize - OtherBytes) * 8 / (Bitrate * 1000); 0 when the bitrate is 0.
std::int32_t TrackSeconds(const MpegHeaderInfo& info);

// Samples in one frame of the layer and version (0 for the reserved layer).
std::int32_t SamplesPerFrame(const MpegHeaderInfo& info);

// SampleFrequency in whole hertz.
std::int32_t SampleRate(const MpegHeaderInfo& info);

} // namespace tundeck
