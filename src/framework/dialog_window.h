#pragma once
// A top-level dialog of ours: fixed frame, centred, created hidden and disabled once and then
// shown and hidden as often as needed. While it is shown its owner takes no input.

#include "framework/controls_win.h"
#include "framework/window.h"

#include <span>
#include <string>
#include <vector>

namespace tundeck {

// One control of a dialog, in client coordinates; the table order is the tab order.
struct DialogControl {
    int Id;
    const char* ClassName;
    const char* Text;
    DWORD Style; // WS_CHILD and WS_VISIBLE are added
    RECT Bounds;
    DWORD ExStyle = 0;
};

class DialogWindow : public Window {
public:
    explicit DialogWindow(UserInteraction& ui) : Window(ui) {}

    void Create(HWND owner, const std::string& caption, int clientWidth, int clientHeight);
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    // The event loop's handling of a message for the dialog before it is dispatched: Tab, Enter
    // and Escape. True when the dialog took it.
    virtual bool PreTranslate(MSG& msg) { return IsDialogMessageA(Handle(), &msg) != 0; }

protected:
    // Creates the table's controls with the dialog's font; their windows in table order.
    std::vector<HWND> CreateControls(std::span<const DialogControl> controls);
    // Shows the dialog in front, enabled, with the focus on `focus`; disables the owner.
    void ShowOverOwner(HWND focus);
    // Gives the owner back its input, the front and the focus; disables and hides the dialog.
    void ReturnToOwner();
    HWND OwnerWindow() const { return owner_; }

    // Closing from the frame hides the dialog; it is never destroyed before the program ends.
    bool OnClose() override;
    bool OnActivate(bool active) override { return focus_.Activate(Handle(), active); }
    bool OnSetFocus() override { return focus_.Restore(); }

private:
    HWND owner_ = nullptr;
    Font font_;
    FocusMemory focus_;
};

} // namespace tundeck
