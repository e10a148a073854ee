#include "framework/window.h"

#include "framework/error.h"

#include <exception>

namespace tundeck {

namespace {

Window* WindowOf(HWND window) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

} // namespace

Window::~Window() {
    Destroy();
}

void Window::Destroy() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
    }
}

void Window::RegisterClass(const char* className, HCURSOR cursor, HBRUSH background, UINT style) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className, &existing)) {
        return;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = className;
    if (RegisterClassExA(&wc) == 0) {
        throw Error("Cannot register the window class " + std::string(className));
    }
}

void Window::Create(const char* className, const char* caption, DWORD style, DWORD exStyle, RECT outer,
                    HWND parent, HMENU menuOrId) {
    CreateWindowExA(exStyle, className, caption, style, outer.left, outer.top, outer.right - outer.left,
                    outer.bottom - outer.top, parent, menuOrId, GetModuleHandleA(nullptr), this);
    if (handle_ == nullptr) {
        throw Error("Cannot create the window " + std::string(caption));
    }
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle_, message, wParam, lParam);
}

void Window::OnPaint() {
    PAINTSTRUCT ps;
    BeginPaint(handle_, &ps);
    EndPaint(handle_, &ps);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        if (!OnClose()) {
            Destroy();
        }
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return HandleMessage(message, wParam, lParam);
    }
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Window* self = WindowOf(window);
    if (message == WM_NCCREATE) {
        // Windows of our classes created without an object of ours behave as plain windows.
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self != nullptr) {
            self->handle_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (const std::exception& e) {
        // The handler ends here; the program goes on.
        ShowErrorBox(self->ui_, window, e.what());
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
    }
    return result;
}

} // namespace tundeck
