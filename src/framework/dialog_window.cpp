#include "framework/dialog_window.h"

namespace tundeck {

namespace {

constexpr const char* DialogClassName = "TundeckDialog";
constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DISABLED | WS_CLIPCHILDREN;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME;

} // namespace

void DialogWindow::Create(HWND owner, const std::string& caption, int clientWidth, int clientHeight) {
    RegisterClass(DialogClassName, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, DialogStyle, FALSE, DialogExStyle);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    Window::Create(DialogClassName, caption.c_str(), DialogStyle, DialogExStyle,
                   {left, top, left + width, top + height}, owner, nullptr);
}

bool DialogWindow::OnClose() {
    ShowWindow(Handle(), SW_HIDE);
    return true;
}

} // namespace tundeck
