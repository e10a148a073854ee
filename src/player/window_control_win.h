#pragma once
// The window-control seam on the real window manager.

#include "player/window_control.h"

namespace tundeck {

class Win32WindowControl final : public WindowControl {
public:
    WindowHandle FindTopLevel(const std::string& className, const std::string& title) override;
    WindowHandle FirstChild(WindowHandle parent) override;
    WindowHandle NextSibling(WindowHandle window) override;
    bool SendAndWait(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    bool Hangs(WindowHandle window) override;
    void Raise(WindowHandle window) override;
    void Show(WindowHandle window, int showCommand) override;
    WindowRect OuterRect(WindowHandle window) override;
    void SetPosition(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                     std::uint32_t flags) override;
    int StartProcess(const std::string& commandLine, int showCommand) override;
    void Pause(std::chrono::milliseconds duration) override;
};

} // namespace tundeck
