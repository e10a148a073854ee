#include "ui/splitter_win.h"

namespace tundeck {

namespace {

constexpr const char* SplitterClassName = "TundeckSplitter";

} // namespace

void Splitter::Create(HWND parent, int id, RECT bounds) {
    RegisterClass(SplitterClassName, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    Window::Create(SplitterClassName, "", WS_CHILD | WS_VISIBLE, 0, bounds, parent,
                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void Splitter::Press(MouseButton button) {
    SetCapture(Handle());
    listener_.SplitterMouseDown(direction_, button);
}

void Splitter::Release(MouseButton button) {
    if (GetCapture() == Handle()) {
        ReleaseCapture();
    }
    listener_.SplitterMouseUp(direction_, button);
}

bool Splitter::OnSetCursor() {
    SetCursor(LoadCursor(nullptr, direction_ == SplitterDirection::Columns ? IDC_SIZEWE : IDC_SIZENS));
    return true;
}

bool Splitter::OnMouse(const MouseEvent& event) {
    switch (event.Action) {
    case MouseAction::Press:
        Press(event.Button);
        return true;
    case MouseAction::Move:
        listener_.SplitterMouseMove(direction_, event.Point.x, event.Point.y);
        return true;
    case MouseAction::Release:
        Release(event.Button);
        return true;
    case MouseAction::DoubleClick:
        break;
    }
    return false;
}

void Splitter::OnCaptureChanged(HWND newCapture) {
    // Another window took the mouse (a menu, a message box): no release will reach us.
    if (newCapture != Handle()) {
        listener_.SplitterMouseUp(direction_, MouseButton::Left);
    }
}

} // namespace tundeck
