#pragma once
// Thin helpers over the standard and common controls.

#include "framework/menu_items.h"
#include "framework/text.h"

#include <windows.h>

#include <span>
#include <string>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tundeck {

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int id,
                 RECT bounds);

// Sent to a control's parent after the control has handled a mouse move, press or release:
// LOWORD(wParam) is the mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...), HIWORD(wParam) the
// control's identifier, lParam the point in the control's client coordinates. The window base
// turns it into OnChildMouse; going through the parent's window procedure puts the parent's
// handling behind its error barrier.
inline constexpr UINT ChildMouseMessage = WM_APP + 1;
// Files dropped from the shell on such a control go to its parent as this: wParam the drop,
// lParam the control's identifier; the window base turns it into OnChildDropFiles.
inline constexpr UINT ChildDropMessage = WM_APP + 2;
// The texts of the rows of a list box that keeps none (owner-drawn, LBS_NODATA).
class ListRowTexts {
public:
    // `row` is one of the list's rows.
    virtual ShownText RowText(int row) const = 0;

protected:
    ~ListRowTexts() = default;
};

// The text of a row of a list given row texts, read on the list's own thread; nothing for a
// row the list does not have, for another list, or from another thread.
std::optional<std::wstring> ListRowText(HWND list, int row);

// With `wantsEnter` the control also takes the Enter key for itself, which the dialog keys of
// the main window's message loop would otherwise turn into a default-button press. A list box
// given `rowTexts` (which outlive its window) answers LB_GETTEXTLEN and LB_GETTEXT with them when
// they come from its own thread, and WM_GETOBJECT with an accessible object that names its rows.
// Other threads and processes get the list's own answers: a buffer they pass is as long as they
// say only in their own address space.
void ReportMouseToParent(HWND control, bool wantsEnter = false, const ListRowTexts* rowTexts = nullptr);

// Hit tests on a list box with rows of one height. The row whose rectangle holds `point`, or -1
// for none and for a point outside the client area; LB_ITEMFROMPOINT would answer in 16 bits.
int ListRowAt(HWND list, POINT point);
// As ListRowAt, but a point in the client area below the last row gives the row count.
int ListInsertionPositionAt(HWND list, POINT point);

// A point of `window`'s client area in screen coordinates.
POINT ScreenPoint(HWND window, POINT client);

// The row with the focus rectangle; -1 when the list is empty.
int FocusedListRow(HWND list);
// Where a menu opened from the keyboard for a row of a list stands: below the row's start, kept
// inside the list when the row is scrolled out of sight; in screen coordinates.
POINT KeyboardMenuPoint(HWND list, int row);

std::string WindowText(HWND window);

// Owns a GDI object.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~GdiObject() { Reset(); }
    Handle Get() const { return handle_; }

private:
    void Reset() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
            handle_ = nullptr;
        }
    }

    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;

// The main window's font.
Font CreateUiFont();
// The dialogs' font: the desktop's own dialog font at 8 points.
Font CreateDialogFont();

// The control of a window that had the focus when the window was last deactivated, which gets
// it back when the window is activated again or receives the focus.
class FocusMemory {
public:
    void Set(HWND control) { focused_ = control; }
    // For WM_ACTIVATE of `window`; true, as the window handled it.
    bool Activate(HWND window, bool active);
    // For WM_SETFOCUS.
    bool Restore() const;

private:
    HWND focused_ = nullptr;
};

// Tooltips for a window's controls, one tool per control window.
class Tooltips {
public:
    void Create(HWND owner);
    void Add(HWND control, const std::string& text);
    HWND Handle() const { return tooltip_; }

private:
    HWND owner_ = nullptr;
    HWND tooltip_ = nullptr;
};

// A status bar with fixed panel widths.
class StatusBar {
public:
    void Attach(HWND bar) { bar_ = bar; }
    HWND Handle() const { return bar_; }
    void SetWidths(std::span<const int> widths);
    void SetText(int panel, const std::string& text);
    void SetText(int panel, ShownText text);
    std::string Text(int panel) const;

private:
    HWND bar_ = nullptr;
    std::vector<int> widths_;
};

// A menu bar from a flat table: popups open with Id 0 and close with a nullptr caption.
HMENU BuildMenuBar(std::span<const MenuItemSpec> items);

// A popup menu of our own, built from a table of items (each a string with its command).
class PopupMenu {
public:
    explicit PopupMenu(std::span<const MenuItemSpec> items);
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    ~PopupMenu() { DestroyMenu(menu_); }

    HMENU Handle() const { return menu_; }
    // The one item drawn in bold, by command; 0 for none.
    void SetDefaultCommand(int id);
    void Enable(int id, bool enabled);
    bool IsEnabled(int id) const;
    // The text of the item at `position`, shown as it stands ("&" included).
    void SetText(int position, const std::string& text);
    void SetText(int position, ShownText text);
    std::string Text(int position) const;
    // Opens the menu at a screen point for `owner` and waits for the user: the chosen command,
    // 0 for none.
    int Track(HWND owner, POINT screenPoint) const;

private:
    HMENU menu_;
};

} // namespace tundeck
