#pragma once
// Playing times of the whole playlist and of its selection, and their status-bar texts.

#include <cstdint>
#include <functional>
#include <string>

namespace tundeck {

class Playlist;

// Minutes, ":" and two-digit seconds; minutes unpadded and unbounded (3725 gives "62:05").
std::string FormatMinSec(std::int64_t seconds);

struct TimeTotals {
    std::int64_t Total = 0;
    std::int64_t Selected = 0;
};

// Seconds of the track at a path; may throw, which ends the computation.
using TrackSecondsOf = std::function<std::int32_t(const std::string& path)>;

// Sums the seconds of every entry and of the selected ones, first row to last, stream entries
// skipped. Exceptions from `secondsOf` propagate, so the panels keep their old texts.
TimeTotals ComputeTimeTotals(const Playlist& playlist, const TrackSecondsOf& secondsOf);

// Panel texts.
std::string SelTimeText(std::int64_t seconds);
std::string TotalTimeText(std::int64_t seconds);
inline constexpr const char* SelTimeZeroText = "Sel. time: 0:00";
inline constexpr const char* TotalTimeZeroText = "Total time: 0:00";

} // namespace tundeck
