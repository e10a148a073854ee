#pragma once
// Creates the main window's standard and common controls from their table rows.

#include "app/main_controls.h"

#include <windows.h>

namespace tundeck {

RECT DesignRectOf(const ControlSpec& info);

// A visible child of `parent` for `info` in `font`; splitters are windows of our own and not
// made here.
HWND CreateMainControl(HWND parent, const ControlSpec& info, HFONT font);

} // namespace tundeck
