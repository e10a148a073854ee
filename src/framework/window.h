#pragma once
// Base of every window of ours: one window procedure for all of them, which hands each
// message to typed handlers and is the one place where errors stop.

#include "framework/interaction.h"

#include <windows.h>

namespace tundeck {

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }
    void Destroy();

protected:
    explicit Window(UserInteraction& ui) : ui_(ui) {}

    // Registers `className` for this procedure once per process.
    static void RegisterClass(const char* className, HCURSOR cursor, HBRUSH background, UINT style = 0);
    // Creates the window; WM_CREATE reaches OnCreate before this returns.
    void Create(const char* className, const char* caption, DWORD style, DWORD exStyle, RECT outer,
                HWND parent, HMENU menuOrId);

    UserInteraction& Ui() const { return ui_; }

    // Messages without a typed handler end here; the default is DefWindowProcA.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

    virtual void OnCreate() {}
    virtual void OnDestroy() {}
    // True when the window stays: a close request that the window handled itself.
    virtual bool OnClose() { return false; }
    virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
    virtual void OnSize(int /*width*/, int /*height*/) {}
    virtual void OnPaint();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UserInteraction& ui_;
    HWND handle_ = nullptr;
};

} // namespace tundeck
