#pragma once
// The desktop's message boxes and common dialogs, and the conversions between window handles
// and the values pure code holds.

#include "framework/interaction.h"

#include <windows.h>

namespace tundeck {

inline WindowHandle ToWindowHandle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}
inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

class DesktopInteraction : public UserInteraction {
public:
    int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                    std::uint32_t flags) override;
    std::optional<std::string> OpenFile(WindowHandle owner, const FileDialogOptions& options) override;
    std::optional<std::string> SaveFile(WindowHandle owner, const FileDialogOptions& options) override;
};

} // namespace tundeck
