#pragma once
// Where the playlist's playing times are shown: the status bar in the program.

#include "playlist/playlist.h"

namespace tundeck {

class TotalsView {
public:
    virtual ~TotalsView() = default;
    // Reads the tracks afresh and shows the total and the selection's time.
    virtual void UpdateTimeTotals(const Playlist& playlist) = 0;
    // An empty playlist, or one with nothing selected, without reading any file.
    virtual void ShowZeroTotals() = 0;
    virtual void ShowZeroSelection() = 0;
};

} // namespace tundeck
