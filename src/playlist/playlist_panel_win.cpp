#include "playlist/playlist_panel_win.h"

#include <commctrl.h>

#include <cstddef>

namespace tundeck {

void PlaylistPanel::Attach(HWND list, HWND upDown) {
    listBox1_.Attach(list);
    listId_ = GetDlgCtrlID(list);
    SendMessageA(upDown, UDM_SETRANGE32, static_cast<WPARAM>(-32768), 32767);
    SendMessageA(upDown, UDM_SETPOS32, 0, 0);
}

void PlaylistPanel::MouseDown(const MouseEvent& event) {
    lastMousePoint_ = event.Point;
    pressedIndex_ = listBox1_.RowAt(event.Point);
}

void PlaylistPanel::MouseMove(const MouseEvent& event) {
    lastMousePoint_ = event.Point;
}

void PlaylistPanel::MouseUp(const MouseEvent& event) {
    lastMousePoint_ = event.Point;
    if (event.Button == MouseButton::Right) {
        popupIndex_ = listBox1_.RowAt(event.Point);
    }
}

std::vector<bool> PlaylistPanel::SelectedFlags() const {
    std::vector<bool> selected(static_cast<std::size_t>(playlist_.Count()), false);
    for (int row : playlist_.SelectedRows()) {
        selected[static_cast<std::size_t>(row)] = true;
    }
    return selected;
}

} // namespace tundeck
