#pragma once
// The drags of the main window's lists: a track moved within the playlist, a file from the file
// list and a directory from the directory list dropped on it.

#include "playlist/browser_panel_win.h"
#include "playlist/playlist_panel_win.h"
#include "trackinfo/status_panels_win.h"
#include "ui/drag_win.h"

namespace tundeck {

// The options that decide how dragging behaves.
struct DragOptions {
    const bool& DragMovesTracks;
    const bool& FileDragStartsDrag;
    const bool& RecurseDroppedDirectories;
};

class ListDrags final : private DragListener {
public:
    ListDrags(PlaylistPanel& playlist, BrowserPanel& browser, StatusPanels& status, DragOptions options)
        : playlist_(playlist), browser_(browser), status_(status), options_(options) {}

    // `owner` captures the mouse during drags; `playlist` takes the drops; the lists the drags
    // come from.
    void Attach(HWND owner, HWND playlist, HWND files, HWND directories);

    // Presses on the lists, which may begin a drag.
    void ListBoxMouseDown(const MouseEvent& event);
    void FileListBox1MouseDown(const MouseEvent& event);
    void DirectoryListBox1MouseDown(const MouseEvent& event);

    // The owner's own mouse messages; true when a drag took them.
    bool Mouse(const MouseEvent& event) { return tracker_.Mouse(event); }
    bool Dragging() const { return tracker_.Pending(); }
    bool Cancel() { return tracker_.Cancel(); }
    // The owner's capture changed: another window (a menu, a message box) took the mouse.
    void CaptureChanged(HWND owner, HWND newCapture) {
        if (newCapture != owner) {
            tracker_.Cancel();
        }
    }

private:
    void DragOver(DragSource source, POINT point) override;
    void DragDrop(DragSource source, POINT point) override;
    void EndDrag(DragSource source) override;
    void ClickReleased(DragSource source, const MouseEvent& release) override;

    PlaylistPanel& playlist_;
    BrowserPanel& browser_;
    StatusPanels& status_;
    DragOptions options_;
    DragTracker tracker_{*this};
    HWND playlistList_ = nullptr;
    HWND files_ = nullptr;
    HWND directories_ = nullptr;
    bool stepOpen_ = false; // a drag over the playlist has begun a step of its history
};

} // namespace tundeck
