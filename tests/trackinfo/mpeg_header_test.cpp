#include "trackinfo/mpeg_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tundeck {
namespace {

// The standards' bitrate rows in kbit/s: MPEG-1 Layers I to III, then the lower-frequency rows.
using Row = std::int32_t[16];
constexpr Row M1L1{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0};
constexpr Row M1L2{0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0};
constexpr Row M1L3{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
constexpr Row M2L1{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0};
constexpr Row M2L23{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
constexpr const Row* ExpectedBitrates[3][3] = {
    {&M1L1, &M1L2, &M1L3}, {&M2L1, &M2L23, &M2L23}, {&M2L1, &M2L23, &M2L23}};

constexpr double ExpectedFrequencies[3][4] = {{44.1, 48, 32, 0}, {22.05, 24, 16, 0}, {11.025, 12, 8, 0}};

// Version codes 0 to 3 in byte 2.
constexpr std::uint8_t VersionOfCode[4] = {3, 1, 2, 1};

MpegHeaderBytes Header(unsigned versionCode, unsigned layerCode, unsigned bitrateIndex,
                       unsigned frequencyIndex) {
    return {0xFF, static_cast<std::uint8_t>(0xE0 | versionCode << 3 | layerCode << 1),
            static_cast<std::uint8_t>(bitrateIndex << 4 | frequencyIndex << 2), 0};
}

TEST(DecodeMpegHeader, EveryVersionLayerAndBitrateIndex) {
    for (unsigned versionCode = 0; versionCode < 4; ++versionCode) {
        for (unsigned layerCode = 0; layerCode < 4; ++layerCode) {
            for (unsigned index = 0; index < 16; ++index) {
                const MpegHeaderInfo info = DecodeMpegHeader(Header(versionCode, layerCode, index, 0), 1);
                const unsigned version = VersionOfCode[versionCode];
                const unsigned layer = 4 - layerCode;
                const std::int32_t bitrate =
                    layer == 4 ? 0 : (*ExpectedBitrates[version - 1][layer - 1])[index];
                EXPECT_EQ(info.Version, version) << versionCode << layerCode << index;
                EXPECT_EQ(info.Layer, layer) << versionCode << layerCode << index;
                EXPECT_EQ(info.Bitrate, bitrate) << versionCode << layerCode << index;
            }
        }
    }
}

TEST(DecodeMpegHeader, EveryFrequencyIndex) {
    for (unsigned versionCode = 0; versionCode < 4; ++versionCode) {
        for (unsigned index = 0; index < 4; ++index) {
            const MpegHeaderInfo info = DecodeMpegHeader(Header(versionCode, 1, 9, index), 1);
            EXPECT_EQ(info.SampleFrequency, ExpectedFrequencies[VersionOfCode[versionCode] - 1][index])
                << versionCode << index;
        }
    }
}

TEST(DecodeMpegHeader, IgnoresSyncProtectionPaddingPrivateAndByteFour) {
    const MpegHeaderInfo plain = DecodeMpegHeader({0x00, 0x02, 0x90, 0x00}, 10);
    const MpegHeaderInfo noisy = DecodeMpegHeader({0xAB, 0xE3, 0x93, 0xCD}, 10);
    EXPECT_EQ(plain.Version, noisy.Version);
    EXPECT_EQ(plain.Layer, noisy.Layer);
    EXPECT_EQ(plain.Bitrate, noisy.Bitrate);
    EXPECT_EQ(plain.SampleFrequency, noisy.SampleFrequency);
}

TEST(DecodeMpegHeader, KnownFileStarts) {
    const MpegHeaderInfo frame = DecodeMpegHeader({0xFF, 0xFB, 0x90, 0x64}, 4'000'000);
    EXPECT_EQ(frame.Version, 1);
    EXPECT_EQ(frame.Layer, 3);
    EXPECT_EQ(frame.Bitrate, 128);
    EXPECT_EQ(frame.SampleFrequency, 44.1);
    EXPECT_EQ(frame.FileSize, 4'000'000);
    EXPECT_EQ(TrackSeconds(frame), 250);

    // A tag in front of the audio is decoded all the same.
    const MpegHeaderInfo tag = DecodeMpegHeader({'I', 'D', '3', 0x04}, 240'000);
    EXPECT_EQ(tag.Version, 3);
    EXPECT_EQ(tag.Layer, 2);
    EXPECT_EQ(tag.Bitrate, 24);
    EXPECT_EQ(tag.SampleFrequency, 11.025);
    EXPECT_EQ(TrackSeconds(tag), 80);

    const MpegHeaderInfo reserved = DecodeMpegHeader({0xFF, 0xEB, 0x90, 0x00}, 0);
    EXPECT_EQ(reserved.Version, 1);
    EXPECT_EQ(reserved.Layer, 3);
}

TEST(TrackSeconds, SizeTimesEightOverBitrateRoundedDown) {
    struct Case {
        std::int64_t size;
        std::int32_t bitrate;
        std::int32_t seconds;
    };
    const Case cases[] = {
        {300'000'000, 128, 18'750},
        {8'000, 64, 1},
        {7'999, 64, 0},
        {0, 128, 0},
        {1'000'000, 0, 0},
        {5LL << 30, 128, 335'544}, // beyond 32 bits
        {std::numeric_limits<std::int64_t>::max(), 8, std::numeric_limits<std::int32_t>::max()},
    };
    for (const Case& c : cases) {
        MpegHeaderInfo info;
        info.FileSize = c.size;
        info.Bitrate = c.bitrate;
        EXPECT_EQ(TrackSeconds(info), c.seconds) << c.size << " " << c.bitrate;
    }
}

} // namespace
} // namespace tundeck
