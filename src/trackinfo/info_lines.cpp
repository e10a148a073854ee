#include "trackinfo/info_lines.h"

#include "playlist/display_text.h"
#include "trackinfo/time_totals.h"

#include <cmath>
#include <cstdio>

namespace tundeck {

namespace {

// By Version - 1.
constexpr const char* VersionTexts[3] = {"1.0", "2.0", "2.5"};
// By Layer - 1; three blanks before "Layer".
constexpr const char* LayerTexts[3] = {"   Layer: I", "   Layer: II", "   Layer: III"};

std::string VersionLayerText(const MpegHeaderInfo& info) {
    if (info.Version < 1 || info.Version > 3 || info.Layer < 1 || info.Layer > 3) {
        return {};
    }
    return std::string("Version: ") + VersionTexts[info.Version - 1] + LayerTexts[info.Layer - 1];
}

// One decimal, cut rather than rounded (22.05 kHz reads 22.0), right-aligned in six places.
std::string FrequencyText(double kilohertz) {
    const double tenths = std::floor(kilohertz * 10 + 1e-6);
    const long long value =
        std::isfinite(tenths) && tenths >= 0 && tenths < 1e7 ? static_cast<long long>(tenths) : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%lld", value / 10, value % 10);
    std::string field(text);
    return field.size() < 6 ? std::string(6 - field.size(), ' ') + field : field;
}

} // namespace

InfoLines HeaderInfoLines(const MpegHeaderInfo& info) {
    InfoLines lines;
    lines.Time = "Time: " + FormatMinSec(TrackSeconds(info)) + " min";
    lines.VersionLayer = VersionLayerText(info);
    lines.Bitrate = "Bitrate: " + std::to_string(info.Bitrate) + " kBit/s";
    lines.Frequency = "Sample Freq: " + FrequencyText(info.SampleFrequency) + " kHz";
    return lines;
}

InfoLines StreamInfoLines(std::string_view address) {
    return {MakeDisplayText(address, false), "Time: ??? min", "Version: ???   Layer: ???",
            "BitRate: ??? kBit/s", "Sample Freq: ??? kHz"};
}

std::string HoverTimeText(const MpegHeaderInfo& info) {
    return FormatMinSec(TrackSeconds(info));
}

} // namespace tundeck
