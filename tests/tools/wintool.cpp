// Small helper for the scripts that drive Wine:
//   wintool keep                  keeps the Wine desktop alive (a hidden window waiting for messages)
//   wintool wait TITLE SECONDS    waits for a visible top-level window and prints "left top width height"
//   wintool idle TITLE SECONDS    waits until that window has handled its messages and painted
//   wintool close TITLE SECONDS   asks that window to close and waits until it is gone
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Keep() {
    HWND window = CreateWindowExA(0, "STATIC", "wintool keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    return 0;
}

// Polls until a visible window with that title exists (or, with `present` false, until none does).
bool WaitFor(const char* title, int seconds, bool present) {
    for (int tick = 0; tick <= seconds * 10; ++tick) {
        HWND window = FindWindowA(nullptr, title);
        if ((window != nullptr && IsWindowVisible(window)) == present) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

int Wait(const char* title, int seconds) {
    HWND window = WaitFor(title, seconds, true) ? FindWindowA(nullptr, title) : nullptr;
    if (window == nullptr) {
        std::fprintf(stderr, "no window \"%s\"\n", title);
        return 1;
    }
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

int Idle(const char* title, int seconds) {
    HWND window = FindWindowA(nullptr, title);
    const UINT timeout = static_cast<UINT>(seconds) * 1000;
    DWORD_PTR ignored = 0;
    if (window == nullptr ||
        !SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &ignored)) {
        return 1;
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &ignored) ? 0 : 1;
}

int Close(const char* title, int seconds) {
    HWND window = FindWindowA(nullptr, title);
    if (window == nullptr) {
        return 1;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitFor(title, seconds, false) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "keep") == 0) {
        return Keep();
    }
    if (argc == 4 && std::strcmp(argv[1], "wait") == 0) {
        return Wait(argv[2], std::atoi(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "idle") == 0) {
        return Idle(argv[2], std::atoi(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "close") == 0) {
        return Close(argv[2], std::atoi(argv[3]));
    }
    std::fprintf(stderr, "usage: wintool keep | wait|idle|close TITLE SECONDS\n");
    return 2;
}
