#include "app/application_window_win.h"

namespace tundeck {

namespace {

constexpr const char* ApplicationClassName = "TundeckApplication";

bool IsOwnedBy(HWND window, HWND owner) {
    for (HWND next = GetWindow(window, GW_OWNER); next != nullptr; next = GetWindow(next, GW_OWNER)) {
        if (next == owner) {
            return true;
        }
    }
    return false;
}

// The visible windows of this thread that `owner` owns, directly or through another.
std::vector<HWND> VisibleOwnedWindows(HWND owner) {
    struct Search {
        HWND owner;
        std::vector<HWND> found;
    } search{owner, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(context);
            if (IsWindowVisible(window) && IsOwnedBy(window, search.owner)) {
                search.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

void ApplicationWindow::Create() {
    RegisterClass(ApplicationClassName, LoadCursor(nullptr, IDC_ARROW), nullptr);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    Window::Create(ApplicationClassName, ApplicationTitle,
                   WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, {x, y, x, y}, nullptr, nullptr);
}

void ApplicationWindow::Adopt(HWND main) {
    main_ = main;
    SetWindowLongPtrA(main, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Handle()));
}

bool ApplicationWindow::OnActivate(bool active) {
    // The taskbar button activates us: the window the user worked in last takes over.
    HWND last = GetLastActivePopup(Handle());
    if (active && last != Handle() && IsWindowVisible(last) && IsWindowEnabled(last)) {
        SetActiveWindow(last);
    }
    return true;
}

void ApplicationWindow::OnSize(int /*width*/, int /*height*/) {
    // Minimised, the program's windows go out of sight with it, and come back when it is restored.
    if (IsIconic(Handle())) {
        hidden_ = VisibleOwnedWindows(Handle());
        for (HWND window : hidden_) {
            ShowWindow(window, SW_HIDE);
        }
    } else {
        for (HWND window : hidden_) {
            ShowWindow(window, SW_SHOWNA);
        }
        hidden_.clear();
    }
}

bool ApplicationWindow::OnClose() {
    if (main_ != nullptr) {
        PostMessageA(main_, WM_CLOSE, 0, 0);
    }
    return true;
}

bool MinimizeProgram(HWND main) {
    HWND application = GetWindow(main, GW_OWNER);
    if (application == nullptr) {
        return false;
    }
    ShowWindow(application, SW_MINIMIZE);
    return true;
}

} // namespace tundeck
