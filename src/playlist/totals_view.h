#pragma once
// Where the playlist's playing times and the track under the mouse are shown: the status bar in
// the program.

#include <string>

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
    // The track under the mouse, as the list shows it, with its time read afresh; none.
    virtual void ShowTrackHover(ShownText text, const std::string& path) = 0;
    // A file of the browser under the mouse: its name shown before its time is read.
    virtual void ShowFileHover(ShownText name, const std::string& path) = 0;
    virtual void ClearHoverInfo() = 0;
};

} // namespace tundeck
