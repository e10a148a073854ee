#include "framework/dialog_window.h"

namespace tundeck {

namespace {

constexpr const char* DialogClassName = "TundeckDialog";
// No WS_CLIPCHILDREN: a group box paints only its frame and leaves its inside to the dialog.
constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DISABLED;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME;

} // namespace

void DialogWindow::Create(HWND owner, const std::string& caption, int clientWidth, int clientHeight) {
    owner_ = owner;
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

std::vector<HWND> DialogWindow::CreateControls(std::span<const DialogControl> controls) {
    if (font_.Get() == nullptr) {
        font_ = CreateDialogFont();
    }
    std::vector<HWND> children;
    for (const DialogControl& control : controls) {
        HWND child = CreateChild(Handle(), control.ClassName, control.Text, control.Style | WS_VISIBLE,
                                 control.ExStyle, control.Id, control.Bounds);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        children.push_back(child);
    }
    return children;
}

void DialogWindow::ShowOverOwner(HWND focus) {
    EnableWindow(Handle(), TRUE);
    ShowWindow(Handle(), SW_SHOW);
    BringWindowToTop(Handle());
    SetFocus(focus != nullptr ? focus : Handle());
    focus_.Set(focus);
    EnableWindow(owner_, FALSE);
}

void DialogWindow::ReturnToOwner() {
    ShowWindow(owner_, SW_SHOW);
    EnableWindow(owner_, TRUE);
    BringWindowToTop(owner_);
    SetFocus(owner_);
    EnableWindow(Handle(), FALSE);
    ShowWindow(Handle(), SW_HIDE);
}

bool DialogWindow::OnClose() {
    ShowWindow(Handle(), SW_HIDE);
    return true;
}

} // namespace tundeck
