#pragma once
// The main window's place and client size as the settings file carries them.

#include "app/settings.h"
#include "framework/file_browser_win.h"

#include <windows.h>

namespace tundeck {

// The outer rectangle of a window of `style` with a menu whose client area is `width` x
// `height` at (left, top).
RECT OuterRect(DWORD style, int left, int top, int width, int height);

// A minimised or maximised window gives its normal place and size: what the next run restores.
WindowGeometry GeometryOf(HWND window);

// The lines of the settings file that act on the windows: the browsed directory, and the main
// window's place and client size, each applied as it is read.
class WindowSettingsTarget final : public SettingsTarget {
public:
    WindowSettingsTarget(HWND window, FileBrowser& browser) : window_(window), browser_(browser) {}

    bool SetBrowserDirectory(const std::string& directory) override;
    void SetWindowLeft(std::int32_t left) override;
    void SetWindowTop(std::int32_t top) override;
    void SetClientWidth(std::int32_t width) override;
    void SetClientHeight(std::int32_t height) override;

private:
    HWND window_;
    FileBrowser& browser_;
};

} // namespace tundeck
