#include "trackinfo/time_totals_win.h"

#include "trackinfo/mpeg_header_win.h"
#include "trackinfo/time_totals.h"

namespace tundeck {

void UpdateTimeTotals(const Playlist& playlist, StatusBar& statusBar) {
    const TimeTotals totals = ComputeTimeTotals(
        playlist, [](const std::string& path) { return TrackSeconds(ReadMpegHeader(path)); });
    statusBar.SetText(TotalTimePanel, TotalTimeText(totals.Total));
    statusBar.SetText(SelectedTimePanel, SelTimeText(totals.Selected));
}

} // namespace tundeck
