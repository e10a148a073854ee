#pragma once
// The main window's place and client size as the settings file carries them.

#include "app/settings.h"

#include <windows.h>

namespace tundeck {

// The outer rectangle of a window of `style` with a menu whose client area is `width` x
// `height` at (left, top).
RECT OuterRect(DWORD style, int left, int top, int width, int height);

// A minimised or maximised window gives its normal place and size: what the next run restores.
WindowGeometry GeometryOf(HWND window);

void SetWindowLeft(HWND window, int left);
void SetWindowTop(HWND window, int top);
void SetClientWidth(HWND window, int width);
void SetClientHeight(HWND window, int height);

} // namespace tundeck
