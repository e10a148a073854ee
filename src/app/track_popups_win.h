#pragma once
// The popup menus of the playlist and of the file list: what each offers for the row it opens on,
// the information column about that track, and the tag dialog opened from either.

#include "app/settings.h"
#include "playlist/browser_panel_win.h"
#include "playlist/playlist_panel_win.h"
#include "trackinfo/info_popup_win.h"

#include <functional>
#include <string>

namespace tundeck {

// Shows the tag dialog for the track at a path, with the header lines the popup showed.
using TagDialogOpener = std::function<void(const std::string& path, const HeaderLines& lines)>;
// Runs the command chosen in a menu.
using CommandRunner = std::function<void(int id)>;

class TrackPopups {
public:
    // The menus open for the lists' parent, the main window; `run` takes their choices.
    TrackPopups(PlaylistPanel& playlist, BrowserPanel& browser, const Settings& settings, CommandRunner run);

    void SetTagDialog(TagDialogOpener open) { openTagDialog_ = std::move(open); }
    // The bold item of the playlist's menu, by the double-click action and numbering.
    void UpdatePopupDefaults();

    // A mouse button released over one of the lists, after its panel took the popup row: the
    // right button opens the list's menu there and runs the choice.
    void MouseUp(HWND list, const MouseEvent& event);
    // A context menu request: from the keyboard (the menu key, Shift+F10) on one of the lists, its
    // menu for the focused row. True when it was the lists': the mouse's come with the release.
    bool ContextMenu(const ContextMenuRequest& request);

    // The commands the release of the right button enables, and the track's information.
    void PreparePopupMenu1();
    void PreparePopupMenu2();
    const InfoPopup& PopupMenu1() const { return popupMenu1_; }
    const InfoPopup& PopupMenu2() const { return popupMenu2_; }

    // View/Edit ID3-Tag of either menu: the tag dialog for its row, when it has one.
    void ViewEditIDTag1Click();
    void ViewEditIDTag2Click();

private:
    // Prepares the menu for the popup row the panel holds, opens it for the list's window and
    // runs the choice.
    void ShowPopupMenu1(HWND list, POINT screenPoint);
    void ShowPopupMenu2(HWND list, POINT screenPoint);
    PlaylistPanel& playlist_;
    BrowserPanel& browser_;
    const Settings& settings_;
    CommandRunner run_;
    InfoPopup popupMenu1_;
    InfoPopup popupMenu2_;
    TagDialogOpener openTagDialog_ = [](const std::string&, const HeaderLines&) {};
};

} // namespace tundeck
