#pragma once
// Base of every window of ours: one window procedure for all of them, which decodes each
// message once into a typed handler and is the one place where errors stop.

#include "framework/interaction_win.h"
#include "framework/up_down.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace tundeck {

enum class MouseButton { None, Left, Right, Middle };
enum class MouseAction { Press, DoubleClick, Release, Move };

// A mouse message: which button did what where. Points are client coordinates of the window the
// message is for, signed (a captured mouse may be left of or above it). Moves have no button.
struct MouseEvent {
    MouseAction Action = MouseAction::Move;
    MouseButton Button = MouseButton::None;
    POINT Point{};
    bool Shift = false; // held at the time of the message
    bool Control = false;
    bool LeftHeld = false; // the left button is down
};

// A request for a context menu over `Window` (ours or a child). From the keyboard (Shift+F10,
// the menu key) there is no mouse point and FromKeyboard is set.
struct ContextMenuRequest {
    HWND Window = nullptr;
    POINT ScreenPoint{};
    bool FromKeyboard = false;
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // A window still open here has lost its derived part, so it is destroyed without reaching
    // any handler. A class whose OnDestroy matters destroys its window in its own destructor.
    virtual ~Window();

    HWND Handle() const { return handle_; }
    WindowHandle Owner() const { return ToWindowHandle(handle_); }
    void Destroy();

protected:
    explicit Window(UserInteraction& ui) : ui_(ui) {}

    // Registers `className` for this procedure once per process.
    static void RegisterClass(const char* className, HCURSOR cursor, HBRUSH background, UINT style = 0);
    // Creates the window; WM_CREATE reaches OnCreate before this returns.
    void Create(const char* className, const char* caption, DWORD style, DWORD exStyle, RECT outer,
                HWND parent, HMENU menuOrId);

    UserInteraction& Ui() const { return ui_; }

    virtual void OnCreate() {}
    virtual void OnDestroy() {}
    // True when the window stays: a close request that the window handled itself.
    virtual bool OnClose() { return false; }
    // A menu item, an accelerator (code 1) or a control's notification.
    virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    virtual void OnSize(int /*width*/, int /*height*/) {}
    virtual void OnPaint();
    // The session ends (log-off, shutdown) when `ending`: the process may be ended any time after.
    virtual void OnEndSession(bool /*ending*/) {}
    // The window's minimise button or system menu; true when the window minimised itself.
    virtual bool OnMinimize() { return false; }
    // Activation and focus; false leaves them to the default handling.
    virtual bool OnActivate(bool /*active*/) { return false; }
    virtual bool OnSetFocus() { return false; }
    // The window's own mouse messages; false leaves a message to the default handling.
    virtual bool OnMouse(const MouseEvent& /*event*/) { return false; }
    // Mouse messages of a child set up with ReportMouseToParent, after the child handled them.
    virtual void OnChildMouse(int /*id*/, const MouseEvent& /*event*/) {}
    // Another window took the mouse capture (a menu, a message box, a release elsewhere).
    virtual void OnCaptureChanged(HWND /*newCapture*/) {}
    // True when the window set the cursor itself.
    virtual bool OnSetCursor() { return false; }
    // False leaves the request to the default handling, which hands it to the parent.
    virtual bool OnContextMenu(const ContextMenuRequest& /*request*/) { return false; }
    // Files dropped from the shell: their full paths, and the point in client coordinates; on
    // the window, or on a child set up with ReportMouseToParent (the point in its coordinates).
    virtual void OnDropFiles(const std::vector<std::string>& /*paths*/, POINT /*point*/) {}
    virtual void OnChildDropFiles(int /*id*/, const std::vector<std::string>& /*paths*/, POINT /*point*/) {}
    // Owner-drawn controls; false when the control is not one of ours.
    virtual bool OnDrawItem(int /*id*/, const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnMeasureItem(int /*id*/, MEASUREITEMSTRUCT& /*item*/) { return false; }
    // A key in a list box with LBS_WANTKEYBOARDINPUT; true when the key was handled.
    virtual bool OnListKey(HWND /*list*/, int /*key*/) { return false; }
    // A character typed in such a list box that keeps no strings: the row to move the caret to,
    // -1 for none. (The message's caret is 16 bits wide: ask the list.)
    virtual int OnListCharacter(HWND /*list*/, char /*character*/) { return -1; }
    // A click on an up-down control that changed its position, by `delta`.
    virtual void OnUpDown(int /*id*/, int /*position*/, int /*delta*/) {}
    // The user chose another page of a tab control.
    virtual void OnTabChange(int /*id*/) {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DispatchInput(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DispatchNotify(const NMHDR& header);
    void DropFiles(HDROP drop, int childId);

    UserInteraction& ui_;
    HWND handle_ = nullptr;
};

} // namespace tundeck
