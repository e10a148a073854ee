#pragma once
// The browser side of the main window: drive selector, directory list, file list and filter
// selector, and the file-list row under the last right-button release.

#include "framework/file_browser_win.h"
#include "framework/window.h"
#include "playlist/adding_win.h"
#include "playlist/totals_view.h"

#include <optional>
#include <string>

namespace tundeck {

class BrowserPanel {
public:
    // `lastMousePoint` is the main window's record of the latest mouse position over its lists;
    // `status` shows the track under the mouse.
    BrowserPanel(POINT& lastMousePoint, TotalsView& status)
        : lastMousePoint_(lastMousePoint), status_(status) {}

    // Takes over the four controls; `filter` as FileBrowser::Attach takes it.
    void Attach(HWND drives, HWND directories, HWND files, HWND filters, const std::string& filter);

    FileBrowser& Browser() { return browser_; }
    bool IsFileList(HWND list) const { return list == files_; }

    // The name in the file-list row under the last right-button release, if there is one.
    std::optional<std::string> PopupFileName() const;
    // The full path of that file, if there is one.
    std::optional<std::string> PopupFilePath() const;
    // The keyboard's popup: the file list's focused row becomes the popup row. Where its menu
    // opens, in screen coordinates.
    POINT TakeFocusedRowForPopup();

    // Get All and Get Selected: the file list's (selected) ".mp3" files appended, unselected.
    void AddAllFiles(Playlist& playlist, AddProgress& progress);
    void AddSelectedFiles(Playlist& playlist, AddProgress& progress);
    // A double-click on the file list: its focused file appended, a playlist file expanded.
    void AddFocusedFile(Playlist& playlist);

    // Save Playlist As; a playlist saved into the directory on view shows in the file list at once.
    void SavePlaylistAs(UserInteraction& ui, WindowHandle owner, const std::vector<std::string>& paths);

    // The path a drag from the file list or the directory list carries.
    const std::string& DragPath() const { return dragPath_; }

    // Mouse messages over the file list; moves and right-button releases record the point. A plain left
    // press takes the focused, selected file as the drag path: true when a drag begins.
    bool FileListMouseDown(const MouseEvent& event, bool fileDragStartsDrag);
    void FileListMouseMove(const MouseEvent& event);
    void FileListMouseUp(const MouseEvent& event);
    // A plain left press on the directory list records the point and takes the row's
    // directory as the drag path: true when a drag begins.
    bool DirectoryListMouseDown(const MouseEvent& event);

private:
    // The browsed directory with its trailing "\".
    std::string DirectoryPrefix() const;

    FileBrowser browser_;
    POINT& lastMousePoint_;
    TotalsView& status_;
    HWND files_ = nullptr;
    HWND directories_ = nullptr;
    std::string dragPath_;
    int filePopupIndex_ = -1;
};

} // namespace tundeck
