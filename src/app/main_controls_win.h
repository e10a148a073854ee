#pragma once
// Creates the main window's standard and common controls from their table rows.

#include "app/main_controls.h"
#include "framework/controls_win.h"

#include <windows.h>

#include <array>
#include <functional>

namespace tundeck {

RECT DesignRectOf(const ControlSpec& info);

// A visible child of `parent` for `info` in `font`; splitters are windows of our own and not
// made here.
HWND CreateMainControl(HWND parent, const ControlSpec& info, HFONT font);

// The main window's controls by identifier.
class MainControlHandles {
public:
    HWND operator[](ControlId id) const;
    void Set(ControlId id, HWND control) { handles_.at(static_cast<std::size_t>(id - IdLabel2)) = control; }

private:
    std::array<HWND, IdLastControl - IdLabel2 + 1> handles_{};
};

// Every control of the table, in its order (the tab order), with its tooltip; the splitter bars
// come from `createSplitter`.
MainControlHandles CreateMainControls(HWND parent, HFONT font, Tooltips& tooltips,
                                      const std::function<HWND(const ControlSpec&)>& createSplitter);

} // namespace tundeck
