#pragma once
// A top-level dialog of ours: fixed frame, centred, created hidden and disabled once and then
// shown and hidden as often as needed.

#include "framework/window.h"

#include <string>

namespace tundeck {

class DialogWindow : public Window {
public:
    explicit DialogWindow(UserInteraction& ui) : Window(ui) {}

    void Create(HWND owner, const std::string& caption, int clientWidth, int clientHeight);

protected:
    // Closing from the frame hides the dialog; it is never destroyed before the program ends.
    bool OnClose() override;
};

} // namespace tundeck
