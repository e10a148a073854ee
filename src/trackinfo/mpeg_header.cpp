#include "trackinfo/mpeg_header.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tundeck {

namespace {

using BitrateRow = std::array<std::int32_t, 16>;

// ISO/IEC 11172-3.
constexpr BitrateRow Mpeg1Layer1{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0};
constexpr BitrateRow Mpeg1Layer2{0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0};
constexpr BitrateRow Mpeg1Layer3{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
// ISO/IEC 13818-3, lower sampling frequencies; MPEG-2.5 uses the same rows.
constexpr BitrateRow LowLayer1{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0};
constexpr BitrateRow LowLayer23{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};

// By Version - 1 and Layer - 1.
constexpr const BitrateRow* BitrateRows[3][3] = {
    {&Mpeg1Layer1, &Mpeg1Layer2, &Mpeg1Layer3},
    {&LowLayer1, &LowLayer23, &LowLayer23},
    {&LowLayer1, &LowLayer23, &LowLayer23},
};

// kHz by Version - 1 and frequency index; index 3 is reserved.
constexpr double Frequencies[3][4] = {
    {44.1, 48, 32, 0},
    {22.05, 24, 16, 0},
    {11.025, 12, 8, 0},
};

// The reserved version code 1 counts as MPEG-1.
constexpr std::uint8_t VersionOfCode[4] = {3, 1, 2, 1};

} // namespace

MpegHeaderInfo DecodeMpegHeader(const MpegHeaderBytes& bytes, std::int64_t fileSize) {
    const unsigned versionCode = (bytes[1] >> 3) & 3u;
    const unsigned layerCode = (bytes[1] >> 1) & 3u;
    const unsigned bitrateIndex = (bytes[2] >> 4) & 15u;
    const unsigned frequencyIndex = (bytes[2] >> 2) & 3u;

    MpegHeaderInfo info;
    info.FileSize = fileSize;
    info.Version = VersionOfCode[versionCode];
    info.Layer = static_cast<std::uint8_t>(4 - layerCode);
    if (info.Layer <= 3) {
        info.Bitrate = (*BitrateRows[info.Version - 1][info.Layer - 1])[bitrateIndex];
    }
    info.SampleFrequency = Frequencies[info.Version - 1][frequencyIndex];
    return info;
}

std::int32_t SamplesPerFrame(const MpegHeaderInfo& info) {
    switch (info.Layer) {
    case 1:
        return 384;
    case 2:
        return 1152;
    case 3:
        return info.Version == 1 ? 1152 : 576;
    default:
        return 0;
    }
}

std::int32_t SampleRate(const MpegHeaderInfo& info) {
    return static_cast<std::int32_t>(std::lround(info.SampleFrequency * 1000));
}

std::int32_t TrackSeconds(const MpegHeaderInfo& info) {
    std::int64_t seconds = 0;
    if (info.Frames > 0 && SampleRate(info) > 0) {
        seconds = std::int64_t{info.Frames} * SamplesPerFrame(info) / SampleRate(info);
    } else if (info.Bitrate != 0) {
        // size * 8 / (bitrate * 1000) reduced by 8: the same quotient, with no product to overflow.
        seconds = (info.FileSize - info.OtherBytes) / (std::int64_t{info.Bitrate} * 125);
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        seconds, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace tundeck
