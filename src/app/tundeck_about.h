#pragma once
// The About dialog: shown over the disabled main window, hidden again when it is closed.

#include "framework/dialog_window.h"

namespace tundeck {

class Form3 final : public DialogWindow {
public:
    explicit Form3(UserInteraction& ui) : DialogWindow(ui) {}
    ~Form3() override { Destroy(); }

    // Created hidden and disabled, owned by the main window.
    void Create(HWND main);
    void ShowAboutDialog();
    void CloseAboutDialog();

protected:
    bool OnClose() override;
};

} // namespace tundeck
