#include "playlist/playlist_panel_win.h"

#include "framework/controls_win.h"
#include "framework/text.h"
#include "framework/wide_names_win.h"

#include <commctrl.h>

namespace tundeck {

void PlaylistPanel::Attach(HWND list, HWND upDown) {
    playlist_.SetRealPaths(&RealPathOf);
    listBox1_.Attach(list, &playlist_);
    upDownId_ = GetDlgCtrlID(upDown);
    SendMessageA(upDown, UDM_SETRANGE32, static_cast<WPARAM>(-32768), 32767);
    SendMessageA(upDown, UDM_SETPOS32, 0, 0);
    // One row per step however long an arrow is held: without a table of its own the control
    // speeds up to 5 and 20.
    UDACCEL oneByOne{0, 1};
    SendMessageA(upDown, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&oneByOne));
}

bool PlaylistPanel::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.hwndItem != listBox1_.Handle()) {
        return false;
    }
    const auto row = static_cast<int>(item.itemID);
    myListBox::DrawRow(item, row >= 0 && row < playlist_.Count() ? playlist_.Shown(row) : ShownText());
    return true;
}

int PlaylistPanel::CharacterRow(char character) const {
    // The code page's own case, as a list box that keeps strings compares: "é" finds "Élan".
    static const CaseFold upper = [] {
        CaseFold table{};
        for (std::size_t c = 0; c < table.size(); ++c) {
            table[c] = static_cast<char>(c);
            CharUpperBuffA(&table[c], 1); // each byte alone: no lead byte pairs with the next
        }
        return table;
    }();
    return playlist_.RowStartingWith(character, listBox1_.FocusedRow(), upper);
}

void PlaylistPanel::Undo() {
    if (history_.Undo(playlist_)) {
        UpdateTimeTotals();
    }
}

void PlaylistPanel::Redo() {
    if (history_.Redo(playlist_)) {
        UpdateTimeTotals();
    }
}

void PlaylistPanel::RemoveTrack(int index) {
    const PlaylistEdit edit(history_, playlist_);
    playlist_.RemoveTrack(index);
    UpdateTimeTotals();
}

void PlaylistPanel::RemovePopupTrack() {
    if (popupIndex_ != -1) {
        RemoveTrack(popupIndex_);
    }
}

std::optional<std::string> PlaylistPanel::PopupPath() const {
    return popupIndex_ >= 0 && popupIndex_ < playlist_.Count()
               ? std::optional(std::string(playlist_.Path(popupIndex_)))
               : std::nullopt;
}

POINT PlaylistPanel::TakeFocusedRowForPopup() {
    popupIndex_ = FocusedListRow(listBox1_.Handle());
    return KeyboardMenuPoint(listBox1_.Handle(), popupIndex_);
}

void PlaylistPanel::RemoveSelected() {
    const PlaylistEdit edit(history_, playlist_);
    playlist_.Rearrange(WithoutSelected(playlist_.SelectedFlags()));
    UpdateTimeTotals();
}

void PlaylistPanel::RemoveAll() {
    const PlaylistEdit edit(history_, playlist_);
    playlist_.Clear();
    totals_.ShowZeroTotals();
}

void PlaylistPanel::SelectAll() {
    playlist_.SetAllSelected(true);
    UpdateTimeTotals(); // as a selection made with the mouse
}

void PlaylistPanel::DeselectAll() {
    playlist_.SetAllSelected(false);
    totals_.ShowZeroSelection();
}

void PlaylistPanel::MoveSelection(bool up) {
    const PlaylistEdit edit(history_, playlist_);
    const std::vector<bool> selected = playlist_.SelectedFlags();
    playlist_.Rearrange(up ? SelectionMovedUp(selected) : SelectionMovedDown(selected));
}

void PlaylistPanel::Shuffle() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    ShuffleRandom random(
        ShuffleRandom::SeedFromTimeOfDay(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds));
    const PlaylistEdit edit(history_, playlist_);
    playlist_.Rearrange(Shuffled(playlist_.SelectedFlags(), random));
}

void PlaylistPanel::DropFiles(const std::vector<std::string>& paths, POINT point, bool recurse,
                              AddProgress& progress) {
    // Where the shell dropped them on the list, not the last point some other control recorded:
    // a drag from the desktop moves no mouse over the list that we hear of.
    // Below the last row they append, in the order dropped.
    const int position = listBox1_.InsertionPositionAt(point);
    const PlaylistEdit edit(history_, playlist_);
    AddDroppedFiles(playlist_, paths, position == playlist_.Count() ? -1 : position, recurse, &progress);
    UpdateTimeTotals();
}

bool PlaylistPanel::MouseDown(const MouseEvent& event, bool dragMovesTracks) {
    lastMousePoint_ = event.Point;
    pressedIndex_ = listBox1_.RowAt(event.Point);
    return event.Action == MouseAction::Press && event.Button == MouseButton::Left && !event.Shift &&
           !event.Control && dragMovesTracks && pressedIndex_ != -1;
}

void PlaylistPanel::DragOver(DragSource source, POINT point) {
    if (source != DragSource::Playlist) {
        return;
    }
    lastMousePoint_ = point;
    const int row = listBox1_.RowAt(point);
    if (row != -1 && row != pressedIndex_ && pressedIndex_ >= 0 && pressedIndex_ < playlist_.Count()) {
        playlist_.MoveTrack(pressedIndex_, row);
        pressedIndex_ = row;
        playlist_.SetSelected(row, true); // the move cleared it
    }
}

void PlaylistPanel::DragDrop(DragSource source, POINT point, const std::string& dragPath, bool recurse,
                             AddProgress& progress) {
    if (source == DragSource::Playlist) {
        return;
    }
    lastMousePoint_ = point;
    const PlaylistEdit edit(history_, playlist_);
    if (source == DragSource::FileList) {
        AddFileByType(playlist_, dragPath, listBox1_.RowAt(point), true, true);
    } else {
        AddDirectory(playlist_, WithTrailingBackslash(dragPath), recurse,
                     listBox1_.InsertionPositionAt(point), &progress);
    }
    UpdateTimeTotals();
}

void PlaylistPanel::MouseMove(const MouseEvent& event) {
    lastMousePoint_ = event.Point;
    const int row = listBox1_.RowAt(event.Point);
    if (row == -1) {
        totals_.ClearHoverInfo();
    } else {
        totals_.ShowTrackHover(playlist_.Shown(row), std::string(playlist_.Path(row)));
    }
}

void PlaylistPanel::MouseUp(const MouseEvent& event) {
    if (event.Button == MouseButton::Right) {
        // The row the latest press or movement left the mouse over, not the release point.
        popupIndex_ = listBox1_.RowAt(lastMousePoint_);
    } else if (event.Button == MouseButton::Left) {
        UpdateTimeTotals(); // a selection made with the mouse shows its time at once
    }
}

} // namespace tundeck
