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

class TrackPopups {
public:
    TrackPopups(PlaylistPanel& playlist, BrowserPanel& browser, const Settings& settings);

    void SetTagDialog(TagDialogOpener open) { openTagDialog_ = std::move(open); }
    // The bold item of the playlist's menu, by the double-click action and numbering.
    void UpdatePopupDefaults();

    // Each prepares its menu for the popup row the panel holds and opens it at a screen point:
    // the chosen command, 0 for none.
    int ShowPopupMenu1(HWND owner, POINT screenPoint);
    int ShowPopupMenu2(HWND owner, POINT screenPoint);
    // The menu key or Shift+F10 on one of the lists: its menu for the focused row.
    int ShowKeyboardPopup(HWND owner, HWND list);

    // The commands the release of the right button enables, and the track's information.
    void PreparePopupMenu1();
    void PreparePopupMenu2();
    const InfoPopup& PopupMenu1() const { return popupMenu1_; }
    const InfoPopup& PopupMenu2() const { return popupMenu2_; }

    // View/Edit ID3-Tag of either menu: the tag dialog for its row, when it has one.
    void ViewEditIDTag1Click();
    void ViewEditIDTag2Click();

private:
    PlaylistPanel& playlist_;
    BrowserPanel& browser_;
    const Settings& settings_;
    InfoPopup popupMenu1_;
    InfoPopup popupMenu2_;
    TagDialogOpener openTagDialog_ = [](const std::string&, const HeaderLines&) {};
};

} // namespace tundeck
