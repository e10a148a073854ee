#pragma once
// The browser side of the main window: drive selector, directory list, file list and filter
// selector, and the file-list row under the last right-button release.

#include "framework/file_browser_win.h"
#include "framework/window.h"
#include "playlist/adding_win.h"

#include <optional>
#include <string>

namespace tundeck {

class BrowserPanel {
public:
    // `lastMousePoint` is the main window's record of the latest mouse position over its lists.
    explicit BrowserPanel(POINT& lastMousePoint) : lastMousePoint_(lastMousePoint) {}

    // Takes over the four controls; `filter` as FileBrowser::Attach takes it.
    void Attach(HWND drives, HWND directories, HWND files, HWND filters, const std::string& filter);

    FileBrowser& Browser() { return browser_; }

    // The name in the file-list row under the last right-button release, if there is one.
    std::optional<std::string> PopupFileName() const;

    // Get All and Get Selected: the file list's (selected) ".mp3" files appended, unselected.
    void AddAllFiles(Playlist& playlist, AddProgress& progress);
    void AddSelectedFiles(Playlist& playlist, AddProgress& progress);
    // A double-click on the file list: its focused file appended, a playlist file expanded.
    void AddFocusedFile(Playlist& playlist);

    // Mouse messages over the file list; each records the point.
    void FileListMouseDown(const MouseEvent& event);
    void FileListMouseMove(const MouseEvent& event);
    void FileListMouseUp(const MouseEvent& event);

private:
    // The browsed directory with its trailing "\".
    std::string DirectoryPrefix() const;

    FileBrowser browser_;
    POINT& lastMousePoint_;
    HWND files_ = nullptr;
    int filePopupIndex_ = -1;
};

} // namespace tundeck
