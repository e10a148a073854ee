#pragma once
// The texts that tell the user about one track: the hover line of the status bar and the
// information items of the popup menus, which the tag dialog shows as well.

#include "trackinfo/mpeg_header.h"

#include <array>
#include <string>
#include <string_view>

namespace tundeck {

struct InfoLines {
    std::string Title;
    std::string Time;
    std::string VersionLayer; // empty for the reserved layer code and the all-zero header
    std::string Bitrate;
    std::string Frequency;
};

// The header lines as the tag dialog shows them: version and layer, time, bitrate, frequency.
using HeaderLines = std::array<std::string, 4>;
inline HeaderLines HeaderLinesOf(const InfoLines& lines) {
    return {lines.VersionLayer, lines.Time, lines.Bitrate, lines.Frequency};
}

// "Time: 4:05 min", "Version: 1.0   Layer: III", "Bitrate: 128 kBit/s", "Sample Freq:   44.1 kHz"
// (the frequency with one decimal, right-aligned in six characters); no title.
InfoLines HeaderInfoLines(const MpegHeaderInfo& info);

// A stream address: its last part as the title, "???" for everything the header would say.
InfoLines StreamInfoLines(std::string_view address);

// The time after "Time: " in the status bar: the track's playing time, "???" for a stream.
std::string HoverTimeText(const MpegHeaderInfo& info);
inline constexpr const char* StreamHoverTimeText = "???";

} // namespace tundeck
