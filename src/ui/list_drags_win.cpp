#include "ui/list_drags_win.h"

#include "trackinfo/add_feedback_win.h"

#include <utility>

namespace tundeck {

void ListDrags::Attach(HWND owner, HWND playlist, HWND files, HWND directories) {
    tracker_.Attach(owner, playlist);
    playlistList_ = playlist;
    files_ = files;
    directories_ = directories;
}

void ListDrags::ListBoxMouseDown(const MouseEvent& event) {
    if (playlist_.MouseDown(event, options_.DragMovesTracks)) {
        tracker_.Begin(DragSource::Playlist, playlistList_, event.Point);
    }
}

void ListDrags::FileListBox1MouseDown(const MouseEvent& event) {
    if (browser_.FileListMouseDown(event, options_.FileDragStartsDrag)) {
        tracker_.Begin(DragSource::FileList, files_, event.Point);
    }
}

void ListDrags::DirectoryListBox1MouseDown(const MouseEvent& event) {
    if (browser_.DirectoryListMouseDown(event)) {
        tracker_.Begin(DragSource::DirectoryList, directories_, event.Point);
    }
}

// ListBoxDragOver.
void ListDrags::DragOver(DragSource source, POINT point) {
    if (!stepOpen_) { // the whole drag is one step of the playlist's history
        playlist_.History().Begin(playlist_.Tracks());
        stepOpen_ = true;
    }
    playlist_.DragOver(source, point);
}

// ListBoxDragDrop.
void ListDrags::DragDrop(DragSource source, POINT point) {
    AddFeedback busy(status_);
    playlist_.DragDrop(source, point, browser_.DragPath(), options_.RecurseDroppedDirectories, busy);
}

// ListEndDrag: the lists show their usual cursor again.
void ListDrags::EndDrag(DragSource /*source*/) {
    if (std::exchange(stepOpen_, false)) {
        playlist_.History().End(playlist_.Tracks());
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void ListDrags::ClickReleased(DragSource source, const MouseEvent& release) {
    if (source == DragSource::Playlist) {
        playlist_.MouseUp(release);
    } else if (source == DragSource::FileList) {
        browser_.FileListMouseUp(release);
    }
}

} // namespace tundeck
