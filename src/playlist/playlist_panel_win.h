#pragma once
// The playlist side of the main window: the list box and the model over it, the rows under the
// last press and the last right-button release, and the up-down control beside the list.

#include "framework/window.h"
#include "playlist/adding_win.h"
#include "playlist/drag_source.h"
#include "playlist/mylstbox.h"
#include "playlist/playlist.h"
#include "playlist/playlist_history.h"
#include "playlist/totals_view.h"

#include <optional>
#include <string>

namespace tundeck {

class PlaylistPanel {
public:
    // `showFullPath` is the display mode in force; `lastMousePoint` is the main window's record
    // of the latest mouse position over any of its lists; `totals` shows the playing times.
    PlaylistPanel(const bool& showFullPath, POINT& lastMousePoint, TotalsView& totals)
        : playlist_(listBox1_, showFullPath), lastMousePoint_(lastMousePoint), totals_(totals) {
        playlist_.SetHistory(&history_);
    }

    // Takes over the playlist's list box and its up-down control.
    void Attach(HWND list, HWND upDown);
    bool IsList(HWND list) const { return list == listBox1_.Handle(); }
    bool IsUpDown(int id) const { return id == upDownId_; }

    Playlist& Tracks() { return playlist_; }
    // Each user edit runs as one step of it.
    PlaylistHistory& History() { return history_; }
    // Ctrl+Z and Ctrl+Y: the playlist before the last edit, or after the last undone one, with
    // its times.
    void Undo();
    void Redo();

    // WM_DRAWITEM for the list: the row with its entry's text. False for other controls.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;
    // A character typed in the list: the row it moves to, -1 for none.
    int CharacterRow(char character) const;

    // Rows of the playlist under the last press and the last right-button release; -1 for none.
    int PressedIndex() const { return pressedIndex_; }
    int PopupIndex() const { return popupIndex_; }
    // The path of the entry in the popup row, if there is one.
    std::optional<std::string> PopupPath() const;
    // The keyboard's popup: the focused row becomes the popup row. Where its menu opens, in
    // screen coordinates.
    POINT TakeFocusedRowForPopup();

    void UpdateTimeTotals() { totals_.UpdateTimeTotals(playlist_); }
    // Deletes one row (none when out of range) and shows the new times.
    void RemoveTrack(int index);
    // The popup menu's Remove: the row under the last right-button release, if any.
    void RemovePopupTrack();

    // Editing, each with one refill of the list and the times it leaves.
    void RemoveSelected();
    void RemoveAll();
    void SelectAll();
    void DeselectAll();
    // The up-down control's arrows: every run of selected rows one row up or down.
    void MoveSelection(bool up);
    // Random: the selected rows to the top, the others shuffled below them.
    void Shuffle();

    // Files and directories dropped from the shell at `point` of the list, then the times.
    void DropFiles(const std::vector<std::string>& paths, POINT point, bool recurse, AddProgress& progress);

    // A drag over the list moves the pressed track along, row by row, keeping it selected;
    // other sources' drags only pass.
    void DragOver(DragSource source, POINT point);
    // A file or a directory dragged from the browser, dropped at `point`, then the times.
    void DragDrop(DragSource source, POINT point, const std::string& dragPath, bool recurse,
                  AddProgress& progress);

    // Mouse messages over the list; presses and moves record the point. A plain left press on a row
    // begins a drag when `dragMovesTracks`: true then.
    bool MouseDown(const MouseEvent& event, bool dragMovesTracks);
    void MouseMove(const MouseEvent& event);
    void MouseUp(const MouseEvent& event);

private:
    myListBox listBox1_;
    Playlist playlist_;
    PlaylistHistory history_;
    POINT& lastMousePoint_;
    TotalsView& totals_;
    int upDownId_ = 0;
    int pressedIndex_ = -1;
    int popupIndex_ = -1;
};

} // namespace tundeck
