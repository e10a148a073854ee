#pragma once
// A window manager in memory. It records every call as one line of text, and behaves enough like
// the real one and the player (placing, showing, the double-click toggling the width, WM_CLOSE)
// that tests can check where a sequence of calls leaves the window.

#include "player/player_window.h"
#include "player/window_control.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tundeck {

class RecordingWindowControl : public WindowControl {
public:
    struct Window {
        std::string Name; // how the record names it
        std::string ClassName;
        std::string Title;
        WindowHandle Parent = NoWindow;
        WindowRect Rect;
        bool Visible = true;
        bool Topmost = false;
        bool Open = true;
        bool Responsive = true; // false: messages time out
    };

    std::vector<std::string> Calls;
    std::chrono::milliseconds Paused{0};

    // What a start does: the result WinExec gives, whether a player window comes up, and how many
    // lookups still miss it before it does. A player that runs already just takes the new list.
    int StartResult = 42;
    bool StartOpensPlayer = true;
    int LookupsBeforeWindow = 0;
    WindowRect NewPlayerRect{100, 100, 375, 253};

    // A running player ("player") with its five buttons ("child0" to "child4").
    WindowHandle AddPlayer(WindowRect rect) {
        const WindowHandle player = Add({"player", PlayerWindowClass, PlayerWindowTitle, NoWindow, rect});
        for (int i = 0; i < 5; ++i) {
            Add({"child" + std::to_string(i), "Button", "", player, {}});
        }
        return player;
    }

    Window& At(WindowHandle window) { return windows_.at(window - 1); }
    int Width(WindowHandle window) { return At(window).Rect.Right - At(window).Rect.Left; }
    int Height(WindowHandle window) { return At(window).Rect.Bottom - At(window).Rect.Top; }

    std::size_t Count(const std::string& call) const {
        return static_cast<std::size_t>(std::count(Calls.begin(), Calls.end(), call));
    }

    WindowHandle FindTopLevel(const std::string& className, const std::string& title) override {
        Calls.push_back("find");
        if (pendingLookups_ > 0 && --pendingLookups_ == 0) {
            AddPlayer(NewPlayerRect);
        }
        for (std::size_t i = 0; i < windows_.size(); ++i) {
            const Window& w = windows_[i];
            if (w.Open && w.Parent == NoWindow && SameText(w.ClassName, className) &&
                SameText(w.Title, title)) {
                return i + 1;
            }
        }
        return NoWindow;
    }

    WindowHandle FirstChild(WindowHandle parent) override {
        Calls.push_back("child " + At(parent).Name);
        return NextWithParent(0, parent);
    }

    WindowHandle NextSibling(WindowHandle window) override {
        Calls.push_back("next " + At(window).Name);
        return NextWithParent(window, At(window).Parent);
    }

    bool SendAndWait(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
        Window& w = At(window);
        const bool delivered = w.Open && w.Responsive;
        Calls.push_back("send " + w.Name + " " + MessageName(message) +
                        (wParam != 0 || lParam != 0 ? " params" : "") + (delivered ? "" : " lost"));
        if (!delivered) {
            return false;
        }
        if (message == WmLButtonDblClk && w.Parent == NoWindow) {
            ToggleMenu(w);
        } else if (message == WmClose) {
            w.Open = false;
            w.Visible = false;
        }
        return true;
    }

    bool Hangs(WindowHandle window) override { return At(window).Open && !At(window).Responsive; }

    // A window that hangs is left alone, as the real calls leave it.
    void Raise(WindowHandle window) override { Calls.push_back("raise " + At(window).Name + Lost(window)); }

    void Show(WindowHandle window, int showCommand) override {
        Calls.push_back("show " + At(window).Name + " " + ShowName(showCommand) + Lost(window));
        if (!Hangs(window)) {
            At(window).Visible = showCommand != SwHide;
        }
    }

    WindowRect OuterRect(WindowHandle window) override {
        Calls.push_back("rect " + At(window).Name);
        return At(window).Open ? At(window).Rect : WindowRect{};
    }

    void SetPosition(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                     std::uint32_t flags) override {
        Window& w = At(window);
        Calls.push_back("setpos " + w.Name + " " + StackingName(insertAfter) + " " + std::to_string(x) + "," +
                        std::to_string(y) + " " + std::to_string(width) + "x" + std::to_string(height) +
                        FlagNames(flags) + Lost(window));
        if (Hangs(window)) {
            return;
        }
        if ((flags & SwpNoSize) == 0) {
            w.Rect.Right = w.Rect.Left + width;
            w.Rect.Bottom = w.Rect.Top + height;
        }
        if ((flags & SwpNoMove) == 0) {
            w.Rect = {x, y, x + w.Rect.Right - w.Rect.Left, y + w.Rect.Bottom - w.Rect.Top};
        }
        if (insertAfter == HwndTopmost || insertAfter == HwndNoTopmost) {
            w.Topmost = insertAfter == HwndTopmost;
        }
        if ((flags & SwpShowWindow) != 0) {
            w.Visible = true;
        }
    }

    int StartProcess(const std::string& commandLine, int showCommand) override {
        Calls.push_back("exec " + commandLine + " " + ShowName(showCommand));
        if (StartResult > 31 && StartOpensPlayer && !PlayerRuns()) {
            if (LookupsBeforeWindow == 0) {
                AddPlayer(NewPlayerRect);
            } else {
                pendingLookups_ = LookupsBeforeWindow + 1;
            }
        }
        return StartResult;
    }

    void Pause(std::chrono::milliseconds duration) override {
        Calls.push_back("pause " + std::to_string(duration.count()));
        Paused += duration;
    }

private:
    std::vector<Window> windows_; // a handle is the index + 1

    std::string Lost(WindowHandle window) { return Hangs(window) ? " lost" : ""; }
    int pendingLookups_ = 0;

    WindowHandle Add(Window window) {
        windows_.push_back(std::move(window));
        return windows_.size();
    }

    bool PlayerRuns() {
        return std::any_of(windows_.begin(), windows_.end(),
                           [](const Window& w) { return w.Open && w.Parent == NoWindow; });
    }

    WindowHandle NextWithParent(WindowHandle after, WindowHandle parent) {
        for (std::size_t i = after; i < windows_.size(); ++i) {
            if (windows_[i].Parent == parent && parent != NoWindow) {
                return i + 1;
            }
        }
        return NoWindow;
    }

    // The player's frame is two pixels wider with its menu and title bar.
    static void ToggleMenu(Window& w) {
        const PlayerMenuState state = MenuStateFromWidth(w.Rect.Right - w.Rect.Left);
        if (state != PlayerMenuState::Unknown) {
            w.Rect.Right += state == PlayerMenuState::Shown ? -2 : 2;
        }
    }

    static bool SameText(const std::string& a, const std::string& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
            return std::tolower(x) == std::tolower(y);
        });
    }

    static std::string MessageName(std::uint32_t message) {
        switch (message) {
        case WmLButtonDown:
            return "down";
        case WmLButtonUp:
            return "up";
        case WmLButtonDblClk:
            return "dblclk";
        case WmClose:
            return "close";
        default:
            return std::to_string(message);
        }
    }

    static std::string ShowName(int command) {
        switch (command) {
        case SwHide:
            return "hide";
        case SwShow:
            return "show";
        case SwRestore:
            return "restore";
        default:
            return std::to_string(command);
        }
    }

    std::string StackingName(WindowHandle insertAfter) {
        if (insertAfter == HwndTopmost) {
            return "topmost";
        }
        if (insertAfter == HwndNoTopmost) {
            return "notopmost";
        }
        return insertAfter == NoWindow ? "top" : At(insertAfter).Name;
    }

    static std::string FlagNames(std::uint32_t flags) {
        std::string names;
        if ((flags & SwpNoMove) != 0) {
            names += " nomove";
        }
        if ((flags & SwpNoSize) != 0) {
            names += " nosize";
        }
        if ((flags & SwpShowWindow) != 0) {
            names += " show";
        }
        if ((flags & ~(SwpNoMove | SwpNoSize | SwpShowWindow)) != 0) {
            names += " other";
        }
        return names;
    }
};

} // namespace tundeck
