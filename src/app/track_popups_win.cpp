#include "app/track_popups_win.h"

#include "app/commands.h"
#include "app/main_menus.h"
#include "framework/text.h"
#include "playlist/display_text.h"

namespace tundeck {

TrackPopups::TrackPopups(PlaylistPanel& playlist, BrowserPanel& browser, const Settings& settings,
                         CommandRunner run)
    : playlist_(playlist), browser_(browser), settings_(settings), run_(std::move(run)),
      popupMenu1_(PlaylistPopupItems()), popupMenu2_(FilePopupItems()) {}

void TrackPopups::UpdatePopupDefaults() {
    popupMenu1_.Menu().SetDefaultCommand(
        DefaultPlaylistCommand(settings_.NumberAfterPlaylist, settings_.DoubleClickAction));
}

void TrackPopups::ShowPopupMenu1(HWND list, POINT screenPoint) {
    PreparePopupMenu1();
    run_(popupMenu1_.Menu().Track(GetParent(list), screenPoint));
}

void TrackPopups::ShowPopupMenu2(HWND list, POINT screenPoint) {
    PreparePopupMenu2();
    run_(popupMenu2_.Menu().Track(GetParent(list), screenPoint));
}

void TrackPopups::MouseUp(HWND list, const MouseEvent& event) {
    if (event.Button != MouseButton::Right) {
        return;
    }
    if (playlist_.IsList(list)) {
        ShowPopupMenu1(list, ScreenPoint(list, event.Point));
    } else if (browser_.IsFileList(list)) {
        ShowPopupMenu2(list, ScreenPoint(list, event.Point));
    }
}

bool TrackPopups::ContextMenu(const ContextMenuRequest& request) {
    const bool playlist = playlist_.IsList(request.Window);
    const bool files = browser_.IsFileList(request.Window);
    if (request.FromKeyboard && playlist) {
        ShowPopupMenu1(request.Window, playlist_.TakeFocusedRowForPopup());
    } else if (request.FromKeyboard && files) {
        ShowPopupMenu2(request.Window, browser_.TakeFocusedRowForPopup());
    }
    return playlist || files;
}

void TrackPopups::PreparePopupMenu1() {
    PopupMenu& menu = popupMenu1_.Menu();
    menu.Enable(CmdPlaySingle, !settings_.NumberAfterPlaylist);
    popupMenu1_.ClearInfo();
    const std::optional<std::string> path = playlist_.PopupPath();
    for (int command : {CmdPlayFromHere, CmdRemove, CmdViewEditTag1}) {
        menu.Enable(command, path.has_value());
    }
    if (!path) {
        menu.Enable(CmdPlaySingle, false);
        return;
    }
    if (IsStreamEntry(*path)) {
        menu.Enable(CmdViewEditTag1, false); // a stream has no tag
    }
    popupMenu1_.ShowTrackInfo(*path);
}

void TrackPopups::PreparePopupMenu2() {
    PopupMenu& menu = popupMenu2_.Menu();
    menu.Enable(CmdPlayFileSingle, false);
    menu.Enable(CmdViewEditTag2, false);
    popupMenu2_.ClearInfo();
    const std::optional<std::string> path = browser_.PopupFilePath();
    if (path && PathExtension(*path) == ".mp3") {
        menu.Enable(CmdPlayFileSingle, true);
        menu.Enable(CmdViewEditTag2, true);
        popupMenu2_.ShowTrackInfo(*path);
    }
}

void TrackPopups::ViewEditIDTag1Click() {
    if (const std::optional<std::string> path = playlist_.PopupPath()) {
        openTagDialog_(*path, popupMenu1_.ShownHeaderLines());
    }
}

void TrackPopups::ViewEditIDTag2Click() {
    if (const std::optional<std::string> path = browser_.PopupFilePath()) {
        openTagDialog_(*path, popupMenu2_.ShownHeaderLines());
    }
}

} // namespace tundeck
