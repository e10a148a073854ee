#pragma once
// The two time panels of the main window's status bar.

#include "framework/controls_win.h"
#include "playlist/playlist.h"

namespace tundeck {

inline constexpr int SelectedTimePanel = 2;
inline constexpr int TotalTimePanel = 3;

// Reads every non-stream track's header afresh and rewrites both panels. An error ends it
// before either panel changes.
void UpdateTimeTotals(const Playlist& playlist, StatusBar& statusBar);

} // namespace tundeck
