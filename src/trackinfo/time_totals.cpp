#include "trackinfo/time_totals.h"

#include "playlist/display_text.h"
#include "playlist/playlist.h"

#include <cstddef>
#include <vector>

namespace tundeck {

std::string FormatMinSec(std::int64_t seconds) {
    const std::int64_t minutes = seconds / 60;
    std::string rest = std::to_string(seconds - minutes * 60);
    if (rest.size() < 2) {
        rest.insert(0, 1, '0');
    }
    return std::to_string(minutes) + ":" + rest;
}

TimeTotals ComputeTimeTotals(const Playlist& playlist, const TrackSecondsOf& secondsOf) {
    // One query for the selection rather than one per row.
    std::vector<bool> selected(playlist.Entries().size());
    for (int row : playlist.SelectedRows()) {
        if (row >= 0 && static_cast<std::size_t>(row) < selected.size()) {
            selected[static_cast<std::size_t>(row)] = true;
        }
    }
    TimeTotals totals;
    for (std::size_t row = 0; row < selected.size(); ++row) {
        const std::string_view path = playlist.Entries()[row].Path;
        if (IsStreamEntry(path)) {
            continue;
        }
        const std::int32_t seconds = secondsOf(std::string(path));
        totals.Total += seconds;
        if (selected[row]) {
            totals.Selected += seconds;
        }
    }
    return totals;
}

std::string SelTimeText(std::int64_t seconds) {
    return "Sel. time: " + FormatMinSec(seconds);
}

std::string TotalTimeText(std::int64_t seconds) {
    return "Total time: " + FormatMinSec(seconds);
}

} // namespace tundeck
