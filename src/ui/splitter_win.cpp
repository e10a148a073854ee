#include "ui/splitter_win.h"

#include <windowsx.h>

namespace tundeck {

namespace {

constexpr const char* SplitterClassName = "TundeckSplitter";

} // namespace

void Splitter::Create(HWND parent, int id, RECT bounds) {
    RegisterClass(SplitterClassName, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    id_ = id;
    Window::Create(SplitterClassName, "", WS_CHILD | WS_VISIBLE, 0, bounds, parent,
                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void Splitter::Press(MouseButton button) {
    SetCapture(Handle());
    listener_.SplitterMouseDown(id_, button);
}

void Splitter::Release(MouseButton button) {
    if (GetCapture() == Handle()) {
        ReleaseCapture();
    }
    listener_.SplitterMouseUp(id_, button);
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, direction_ == SplitterDirection::Columns ? IDC_SIZEWE : IDC_SIZENS));
        return TRUE;
    case WM_LBUTTONDOWN:
        Press(MouseButton::Left);
        return 0;
    case WM_RBUTTONDOWN:
        Press(MouseButton::Right);
        return 0;
    case WM_MBUTTONDOWN:
        Press(MouseButton::Middle);
        return 0;
    case WM_MOUSEMOVE:
        // Captured moves can lie left of or above the bar: the coordinates are signed.
        listener_.SplitterMouseMove(id_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        Release(MouseButton::Left);
        return 0;
    case WM_RBUTTONUP:
        Release(MouseButton::Right);
        return 0;
    case WM_MBUTTONUP:
        Release(MouseButton::Middle);
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a menu, a message box): no release will reach us.
        if (reinterpret_cast<HWND>(lParam) != Handle()) {
            listener_.SplitterMouseUp(id_, MouseButton::Left);
        }
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace tundeck
