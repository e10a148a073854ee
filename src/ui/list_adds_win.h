#pragma once
// The commands that add to the playlist from the browser and from the shell: each shows how far a
// long add got while it runs, and the playlist's times once it is done.

#include "playlist/browser_panel_win.h"
#include "playlist/playlist_panel_win.h"
#include "trackinfo/status_panels_win.h"

#include <string>
#include <vector>

namespace tundeck {

class ListAdds {
public:
    // `recurseDroppedDirectories` is the option in force for directories dropped from the shell.
    ListAdds(PlaylistPanel& playlist, BrowserPanel& browser, StatusPanels& status,
             const bool& recurseDroppedDirectories)
        : playlist_(playlist), browser_(browser), status_(status), recurse_(recurseDroppedDirectories) {}

    // Get All and Get Selected: the file list's (selected) tracks appended.
    void GetAll();
    void GetSelected();
    // A double-click on the file list: its focused file appended, a playlist file expanded.
    void AddFocusedFile();
    // Files and directories dropped from the shell at `point` of the playlist.
    void DropFiles(const std::vector<std::string>& paths, POINT point);

private:
    PlaylistPanel& playlist_;
    BrowserPanel& browser_;
    StatusPanels& status_;
    const bool& recurse_;
};

} // namespace tundeck
