#include "app/window_geometry_win.h"

namespace tundeck {

namespace {

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
}

void Move(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ResizeClient(HWND window, int width, int height) {
    const RECT outer = OuterRect(StyleOf(window), 0, 0, width, height);
    SetWindowPos(window, nullptr, 0, 0, outer.right, outer.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

} // namespace

RECT OuterRect(DWORD style, int left, int top, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, style, TRUE, 0);
    return {left, top, left + r.right - r.left, top + r.bottom - r.top};
}

WindowGeometry GeometryOf(HWND window) {
    if (!IsIconic(window) && !IsZoomed(window)) {
        const RECT outer = WindowRectOf(window);
        const RECT client = ClientRectOf(window);
        return {outer.left, outer.top, client.right, client.bottom};
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    // The normal place is in workspace coordinates, which leave out a taskbar at the top or left;
    // the settings file holds screen coordinates.
    RECT normal = placement.rcNormalPosition;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&normal, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        OffsetRect(&normal, monitor.rcWork.left - monitor.rcMonitor.left,
                   monitor.rcWork.top - monitor.rcMonitor.top);
    }
    const RECT frame = OuterRect(StyleOf(window) & ~(WS_MINIMIZE | WS_MAXIMIZE), 0, 0, 0, 0);
    return {normal.left, normal.top, (normal.right - normal.left) - frame.right,
            (normal.bottom - normal.top) - frame.bottom};
}

bool WindowSettingsTarget::SetBrowserDirectory(const std::string& directory) {
    return browser_.ChangeDirectory(directory);
}

void WindowSettingsTarget::SetWindowLeft(std::int32_t left) {
    Move(window_, left, WindowRectOf(window_).top);
}

void WindowSettingsTarget::SetWindowTop(std::int32_t top) {
    Move(window_, WindowRectOf(window_).left, top);
}

void WindowSettingsTarget::SetClientWidth(std::int32_t width) {
    ResizeClient(window_, width, ClientRectOf(window_).bottom);
}

void WindowSettingsTarget::SetClientHeight(std::int32_t height) {
    ResizeClient(window_, ClientRectOf(window_).right, height);
}

} // namespace tundeck
