#pragma once
// The window the desktop shows for the program as a whole, under the application title: its
// taskbar button and its Alt+Tab entry. It has no area of its own; it owns the main window,
// hands activation and closing on to it, and minimising the main window minimises it, which
// hides the main window and its dialogs until the button restores them.

#include "framework/window.h"

#include <vector>

namespace tundeck {

class ApplicationWindow final : public Window {
public:
    explicit ApplicationWindow(UserInteraction& ui) : Window(ui) {}
    ~ApplicationWindow() override { Destroy(); }

    void Create();
    // The main window, which it owns from now on.
    void Adopt(HWND main);

protected:
    bool OnActivate(bool active) override;
    bool OnClose() override;
    void OnSize(int width, int height) override;

private:
    HWND main_ = nullptr;
    std::vector<HWND> hidden_; // the program's windows the minimising hid
};

// The program minimises as a whole, through the window that stands for it on the taskbar, the
// owner of `main`; false when `main` has none.
bool MinimizeProgram(HWND main);

} // namespace tundeck
