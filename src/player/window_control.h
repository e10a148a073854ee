#pragma once
// The window manager as the player protocol sees it: the few calls it makes on the windows of
// another process. Pure, so the protocol can be tested against a recording fake.

#include "framework/window_handle.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace tundeck {

// Screen coordinates of a window's outer edges; right and bottom are exclusive.
struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The Win32 values the protocol uses, spelled here so this header needs no <windows.h>;
// the Win32 implementation checks them against the real ones.
inline constexpr std::uint32_t WmClose = 0x0010;
inline constexpr std::uint32_t WmLButtonDown = 0x0201;
inline constexpr std::uint32_t WmLButtonUp = 0x0202;
inline constexpr std::uint32_t WmLButtonDblClk = 0x0203;
inline constexpr std::uintptr_t MkLButton = 0x0001;

inline constexpr int SwHide = 0;
inline constexpr int SwShow = 5;
inline constexpr int SwRestore = 9;

inline constexpr std::uint32_t SwpNoSize = 0x0001;
inline constexpr std::uint32_t SwpNoMove = 0x0002;
inline constexpr std::uint32_t SwpShowWindow = 0x0040;

// The insert-after handles of SetWindowPos that change stacking.
inline constexpr WindowHandle HwndTopmost = static_cast<WindowHandle>(-1);
inline constexpr WindowHandle HwndNoTopmost = static_cast<WindowHandle>(-2);

class WindowControl {
public:
    virtual ~WindowControl() = default;

    // FindWindowA: the first top-level window with this class and title (whole strings, case ignored).
    virtual WindowHandle FindTopLevel(const std::string& className, const std::string& title) = 0;
    // GetWindow with GW_CHILD and GW_HWNDNEXT.
    virtual WindowHandle FirstChild(WindowHandle parent) = 0;
    virtual WindowHandle NextSibling(WindowHandle window) = 0;
    // Sends and waits until the window has handled the message, but not forever: false when it
    // was not handled in time (a hung player) or the window is gone.
    virtual bool SendAndWait(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    // True when the window is there but does not handle a message in time: a hung player.
    virtual bool Hangs(WindowHandle window) = 0;
    // Raise, Show and SetPosition are carried out by the window's own thread and would wait for a
    // hung one: a window that Hangs is left as it is.
    // BringWindowToTop.
    virtual void Raise(WindowHandle window) = 0;
    // ShowWindow with an Sw* command.
    virtual void Show(WindowHandle window, int showCommand) = 0;
    // GetWindowRect; all zero when the window is gone.
    virtual WindowRect OuterRect(WindowHandle window) = 0;
    // SetWindowPos: place, size and stacking in one call, as the Swp* flags allow.
    virtual void SetPosition(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                             int height, std::uint32_t flags) = 0;
    // Starts a program as WinExec does, but waits at most a moment for it to take input, not
    // WinExec's 30 seconds: above 31 when the process was started, otherwise WinExec's number for
    // the reason it was not.
    virtual int StartProcess(const std::string& commandLine, int showCommand) = 0;
    // Lets time pass between lookups while waiting for a window.
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

} // namespace tundeck
