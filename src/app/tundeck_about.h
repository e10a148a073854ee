#pragma once
// The About dialog: the program's name, version and notices, shown over the disabled main
// window and hidden again when it is closed.

#include "framework/dialog_window.h"

namespace tundeck {

class Form3 final : public DialogWindow {
public:
    enum ControlIds : int {
        IdIcon = 350,
        IdTitle,
        IdButton1 = IDOK,
    };

    explicit Form3(UserInteraction& ui) : DialogWindow(ui) {}
    ~Form3() override { Destroy(); }

    // Created hidden and disabled, owned by the main window.
    void Create(HWND main);
    void ShowAboutDialog();
    void CloseAboutDialog();

protected:
    bool OnClose() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    Font titleFont_;
};

} // namespace tundeck
