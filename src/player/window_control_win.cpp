#include "player/window_control_win.h"

#include <windows.h>

namespace tundeck {

static_assert(WmClose == WM_CLOSE);
static_assert(WmLButtonDown == WM_LBUTTONDOWN);
static_assert(WmLButtonUp == WM_LBUTTONUP);
static_assert(WmLButtonDblClk == WM_LBUTTONDBLCLK);
static_assert(MkLButton == MK_LBUTTON);
static_assert(SwHide == SW_HIDE && SwShow == SW_SHOW && SwRestore == SW_RESTORE);
static_assert(SwpNoSize == SWP_NOSIZE && SwpNoMove == SWP_NOMOVE && SwpShowWindow == SWP_SHOWWINDOW);
static_assert(sizeof(WindowHandle) == sizeof(HWND));

namespace {

// Long enough for any player that is merely busy; a hung one must not freeze us.
constexpr UINT SendTimeoutMs = 5000;
// How long a started program may take to first wait for input (a second start of the player, to
// hand its list over) before we go on.
constexpr ULONGLONG StartSettleMs = 2000;

HWND ToHwnd(WindowHandle window) {
    // HWND_TOPMOST and HWND_NOTOPMOST are pointer casts, so they cannot be checked at compile time.
    if (window == HwndTopmost) {
        return HWND_TOPMOST;
    }
    if (window == HwndNoTopmost) {
        return HWND_NOTOPMOST;
    }
    return reinterpret_cast<HWND>(window);
}

WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

} // namespace

WindowHandle Win32WindowControl::FindTopLevel(const std::string& className, const std::string& title) {
    return FromHwnd(FindWindowA(className.c_str(), title.c_str()));
}

WindowHandle Win32WindowControl::FirstChild(WindowHandle parent) {
    return FromHwnd(GetWindow(ToHwnd(parent), GW_CHILD));
}

WindowHandle Win32WindowControl::NextSibling(WindowHandle window) {
    return FromHwnd(GetWindow(ToHwnd(window), GW_HWNDNEXT));
}

bool Win32WindowControl::SendAndWait(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                               SendTimeoutMs, &result) != 0;
}

bool Win32WindowControl::Hangs(WindowHandle window) {
    // Once a window has not answered for a few seconds the system counts it as hung and the
    // question returns at once; the first time it waits out the timeout.
    DWORD_PTR result = 0;
    return IsWindow(ToHwnd(window)) &&
           SendMessageTimeoutA(ToHwnd(window), WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, SendTimeoutMs,
                               &result) == 0;
}

void Win32WindowControl::Raise(WindowHandle window) {
    if (!Hangs(window)) {
        BringWindowToTop(ToHwnd(window));
    }
}

void Win32WindowControl::Show(WindowHandle window, int showCommand) {
    if (!Hangs(window)) {
        ShowWindow(ToHwnd(window), showCommand);
    }
}

WindowRect Win32WindowControl::OuterRect(WindowHandle window) {
    RECT rect{};
    if (!GetWindowRect(ToHwnd(window), &rect)) {
        return {};
    }
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32WindowControl::SetPosition(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                                     int height, std::uint32_t flags) {
    if (Hangs(window)) {
        return;
    }
    SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, width, height, flags);
}

int Win32WindowControl::StartProcess(const std::string& commandLine, int showCommand) {
    // As WinExec starts a program, but its wait of up to 30 seconds for the new process to take
    // input would freeze us for a player that hangs while it starts: we wait a little, answering
    // messages sent to us meanwhile.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    std::string line = commandLine; // CreateProcessA may write to it
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        // WinExec's results: the error itself where it fits below 32, "bad format" otherwise.
        const DWORD error = GetLastError();
        return error < 32 ? static_cast<int>(error) : ERROR_BAD_FORMAT;
    }
    // A second start hands its list to the running player and ends; the presses that follow are
    // meant for that list, so it is given the time to do so.
    const ULONGLONG end = GetTickCount64() + StartSettleMs;
    while (WaitForInputIdle(process.hProcess, 0) == WAIT_TIMEOUT && GetTickCount64() < end) {
        Pause(std::chrono::milliseconds(20));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 33;
}

void Win32WindowControl::Pause(std::chrono::milliseconds duration) {
    // Messages other programs send us are handled meanwhile: a player that broadcasts while it
    // starts would otherwise wait for us while we wait for it.
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(duration.count());
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE) ==
            WAIT_OBJECT_0) {
            MSG msg;
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

} // namespace tundeck
