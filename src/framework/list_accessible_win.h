#pragma once
// What screen readers and automation tools see of a list box that keeps no strings (owner-drawn,
// LBS_NODATA): the system's standard object answers for the list, this one adds the rows. A row's
// name is its row text (ListRowText), so the list must have been given its rows' texts; every
// answer about a row is a few messages to the list, whatever the row's number.

#include <windows.h>

namespace tundeck {

// IID_IAccessible, spelled out: mingw-w64's static import of the symbol yields the bytes of an
// import thunk, so every QueryInterface with it fails.
inline constexpr GUID AccessibleInterfaceId{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The answer to WM_GETOBJECT for OBJID_CLIENT of `list`; 0 when there is none, and the list's
// own procedure should answer instead.
LRESULT ListAccessibleObject(HWND list, WPARAM wParam);

} // namespace tundeck
