#pragma once
// The browser side of the main window: drive selector, directory list, file list and filter
// selector, and the file-list row under the last right-button release.

#include "framework/file_browser_win.h"
#include "framework/window.h"

#include <optional>
#include <string>

namespace tundeck {

class BrowserPanel {
public:
    // `lastMousePoint` is the main window's record of the latest mouse position over its lists.
    explicit BrowserPanel(POINT& lastMousePoint) : lastMousePoint_(lastMousePoint) {}

    // Takes over the four controls; `filter` as FileBrowser::Attach takes it.
    void Attach(HWND drives, HWND directories, HWND files, HWND filters, const std::string& filter);
    bool IsFileList(int id) const { return id == fileListId_; }

    FileBrowser& Browser() { return browser_; }
    const FileBrowser& Browser() const { return browser_; }

    // The name in the file-list row under the last right-button release, if there is one.
    std::optional<std::string> PopupFileName() const;

    // Mouse messages over the file list; each records the point.
    void FileListMouseDown(const MouseEvent& event);
    void FileListMouseMove(const MouseEvent& event);
    void FileListMouseUp(const MouseEvent& event);

private:
    FileBrowser browser_;
    POINT& lastMousePoint_;
    HWND files_ = nullptr;
    int fileListId_ = 0;
    int filePopupIndex_ = -1;
};

} // namespace tundeck
