#pragma once
// The playlist side of the main window: the list box and the model over it, the rows under the
// last press and the last right-button release, and the up-down control beside the list.

#include "framework/window.h"
#include "playlist/mylstbox.h"
#include "playlist/playlist.h"

namespace tundeck {

class PlaylistPanel {
public:
    // `showFullPath` is the display mode in force; `lastMousePoint` is the main window's record
    // of the latest mouse position over any of its lists.
    PlaylistPanel(const bool& showFullPath, POINT& lastMousePoint)
        : playlist_(listBox1_, showFullPath), lastMousePoint_(lastMousePoint) {}

    // Takes over the playlist's list box and its up-down control.
    void Attach(HWND list, HWND upDown);
    bool IsList(int id) const { return id == listId_; }

    Playlist& Tracks() { return playlist_; }
    const Playlist& Tracks() const { return playlist_; }
    myListBox& List() { return listBox1_; }

    // Rows of the playlist under the last press and the last right-button release; -1 for none.
    int PressedIndex() const { return pressedIndex_; }
    int PopupIndex() const { return popupIndex_; }

    // Mouse messages over the list; each records the point.
    void MouseDown(const MouseEvent& event);
    void MouseMove(const MouseEvent& event);
    void MouseUp(const MouseEvent& event);

    // Which rows are selected, in playlist order.
    std::vector<bool> SelectedFlags() const;

private:
    myListBox listBox1_;
    Playlist playlist_;
    POINT& lastMousePoint_;
    int listId_ = 0;
    int pressedIndex_ = -1;
    int popupIndex_ = -1;
};

} // namespace tundeck
