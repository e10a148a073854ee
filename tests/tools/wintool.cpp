// Small helper for the scripts that drive Wine:
//   wintool keep                  keeps the Wine desktop alive (a hidden window waiting for messages)
//   wintool wait TITLE SECONDS    waits for a visible top-level window and prints "left top width height"
//   wintool idle TITLE SECONDS    waits until that window has handled its messages and painted
//   wintool close TITLE SECONDS   asks that window to close and waits until it is gone
//   wintool msaa LIST ROWS        reads a list's rows as a screen reader in another process does
//   wintool lbtext LIST ROWS      asks a list for its rows' texts with LB_GETTEXT
#include "framework/list_accessible_win.h"

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
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

VARIANT Child(LONG id) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// Prints "name|state" for each of the first `rows` rows, then "focus N" and "selection N N ...",
// children counted from 1.
int ReadAccessible(HWND list, int rows) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(list, OBJID_CLIENT, tundeck::AccessibleInterfaceId,
                                          reinterpret_cast<void**>(&object)))) {
        return 1;
    }
    for (LONG child = 1; child <= rows; ++child) {
        BSTR name = nullptr;
        VARIANT state{};
        object->get_accName(Child(child), &name);
        object->get_accState(Child(child), &state);
        std::printf("%ls|%ld\n", name != nullptr ? name : L"", state.lVal);
        SysFreeString(name);
    }
    VARIANT focus{};
    object->get_accFocus(&focus);
    std::printf("focus %ld\nselection", focus.vt == VT_I4 ? focus.lVal : -1);
    VARIANT selection{};
    object->get_accSelection(&selection);
    IEnumVARIANT* selected = nullptr;
    if (selection.vt == VT_UNKNOWN &&
        SUCCEEDED(selection.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&selected)))) {
        VARIANT child{};
        while (selected->Next(1, &child, nullptr) == S_OK) {
            std::printf(" %ld", child.lVal);
        }
        selected->Release();
    }
    VariantClear(&selection);
    std::printf("\n");
    object->Release();
    CoUninitialize();
    return 0;
}

// Prints the largest answer to LB_GETTEXT over the rows; the buffer is a large one.
int GetTexts(HWND list, int rows) {
    static char buffer[65536];
    LRESULT largest = 0;
    for (int row = 0; row < rows; ++row) {
        largest = std::max(largest, SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                                 reinterpret_cast<LPARAM>(buffer)));
    }
    std::printf("largest %ld\n", static_cast<long>(largest));
    return 0;
}

HWND WindowOf(const char* number) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(number, nullptr, 10)));
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
    if (argc == 4 && std::strcmp(argv[1], "msaa") == 0) {
        return ReadAccessible(WindowOf(argv[2]), std::atoi(argv[3]));
    }
    if (argc == 4 && std::strcmp(argv[1], "lbtext") == 0) {
        return GetTexts(WindowOf(argv[2]), std::atoi(argv[3]));
    }
    std::fprintf(stderr, "usage: wintool keep | wait|idle|close TITLE SECONDS | msaa|lbtext LIST ROWS\n");
    return 2;
}
