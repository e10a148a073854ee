#include "trackinfo/info_lines.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

MpegHeaderInfo Info(std::uint8_t version, std::uint8_t layer, std::int32_t bitrate, double kilohertz,
                    std::int64_t size = 0) {
    MpegHeaderInfo info;
    info.Version = version;
    info.Layer = layer;
    info.Bitrate = bitrate;
    info.SampleFrequency = kilohertz;
    info.FileSize = size;
    return info;
}

TEST(InfoLines, EveryVersionAndLayerAndTheReservedLayer) {
    const char* versions[] = {"1.0", "2.0", "2.5"};
    const char* layers[] = {"I", "II", "III"};
    for (std::uint8_t version = 1; version <= 3; ++version) {
        for (std::uint8_t layer = 1; layer <= 3; ++layer) {
            EXPECT_EQ(HeaderInfoLines(Info(version, layer, 128, 44.1)).VersionLayer,
                      std::string("Version: ") + versions[version - 1] + "   Layer: " + layers[layer - 1]);
        }
        EXPECT_EQ(HeaderInfoLines(Info(version, 4, 0, 44.1)).VersionLayer, "");
    }
}

TEST(InfoLines, EveryFrequencyOfTheHeaderTableCutToOneDecimalInSixPlaces) {
    const std::pair<double, const char*> frequencies[] = {
        {44.1, "  44.1"}, {48, "  48.0"},     {32, "  32.0"}, {22.05, "  22.0"}, {24, "  24.0"},
        {16, "  16.0"},   {11.025, "  11.0"}, {12, "  12.0"}, {8, "   8.0"},     {0, "   0.0"},
    };
    for (const auto& [kilohertz, text] : frequencies) {
        EXPECT_EQ(HeaderInfoLines(Info(1, 3, 128, kilohertz)).Frequency,
                  std::string("Sample Freq: ") + text + " kHz");
    }
}

TEST(InfoLines, TimeAndBitrateOfAFileAndOfNothingKnown) {
    const InfoLines track = HeaderInfoLines(Info(1, 3, 128, 44.1, 245 * 16000));
    EXPECT_EQ(track.Time, "Time: 4:05 min");
    EXPECT_EQ(track.Bitrate, "Bitrate: 128 kBit/s");
    EXPECT_EQ(HoverTimeText(Info(1, 3, 128, 44.1, 245 * 16000)), "4:05");

    const InfoLines none = HeaderInfoLines({});
    EXPECT_EQ(none.VersionLayer, "");
    EXPECT_EQ(none.Time, "Time: 0:00 min");
    EXPECT_EQ(none.Bitrate, "Bitrate: 0 kBit/s");
    EXPECT_EQ(none.Frequency, "Sample Freq:    0.0 kHz");
}

TEST(InfoLines, AStreamTellsItsLastPartAndNothingElse) {
    const InfoLines stream = StreamInfoLines("http://radio.example:8000/live/jazz");
    EXPECT_EQ(stream.Title, "jazz");
    EXPECT_EQ(stream.VersionLayer, "Version: ???   Layer: ???");
    EXPECT_EQ(stream.Time, "Time: ??? min");
    EXPECT_EQ(stream.Bitrate, "BitRate: ??? kBit/s");
    EXPECT_EQ(stream.Frequency, "Sample Freq: ??? kHz");
    EXPECT_EQ(StreamInfoLines("http://radio.example/").Title, "");
}

} // namespace
} // namespace tundeck
