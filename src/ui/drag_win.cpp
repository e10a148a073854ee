#include "ui/drag_win.h"

#include <cstdlib>

namespace tundeck {

namespace {

// How far the mouse must move, in either direction, before a drag takes over.
constexpr int DragThreshold = 5;

POINT ToScreen(HWND window, POINT point) {
    ClientToScreen(window, &point);
    return point;
}

} // namespace

void DragTracker::Attach(HWND owner, HWND target) {
    owner_ = owner;
    target_ = target;
}

void DragTracker::Begin(DragSource source, HWND control, POINT point) {
    source_ = control;
    sourceKind_ = source;
    start_ = ToScreen(control, point);
    pending_ = true;
    active_ = false;
    SetCapture(owner_);
}

bool DragTracker::Mouse(const MouseEvent& event) {
    if (!pending_) {
        return false;
    }
    const POINT screen = ToScreen(owner_, event.Point);
    if (event.Action == MouseAction::Move && !event.LeftHeld) {
        Cancel(); // the release went elsewhere: no drag may outlive the button
    } else if (event.Action == MouseAction::Move) {
        Move(screen);
    } else if (event.Button == MouseButton::Right) {
        Cancel();
    } else if (event.Action == MouseAction::Release && event.Button == MouseButton::Left) {
        Release(event, screen);
    }
    return true;
}

void DragTracker::Move(POINT screen) {
    if (!active_ && std::abs(screen.x - start_.x) < DragThreshold &&
        std::abs(screen.y - start_.y) < DragThreshold) {
        return;
    }
    active_ = true;
    const bool over = OverTarget(screen);
    SetCursor(LoadCursor(nullptr, over ? IDC_ARROW : IDC_NO));
    if (over) {
        listener_.DragOver(sourceKind_, InTarget(screen));
    }
}

void DragTracker::Release(const MouseEvent& event, POINT screen) {
    const bool wasActive = active_;
    const DragSource source = sourceKind_;
    const HWND control = source_;
    Finish();
    if (!wasActive) {
        POINT point = screen;
        ScreenToClient(control, &point);
        listener_.ClickReleased(source,
                                {event.Action, event.Button, point, event.Shift, event.Control, false});
        return;
    }
    // The drag ends even when the drop fails (a playlist file that cannot be read).
    struct Ending {
        DragListener& Listener;
        DragSource Source;
        ~Ending() { Listener.EndDrag(Source); }
    } ending{listener_, source};
    if (OverTarget(screen)) {
        listener_.DragDrop(source, InTarget(screen));
    }
}

bool DragTracker::Cancel() {
    if (!pending_) {
        return false;
    }
    const bool wasActive = active_;
    Finish();
    if (wasActive) {
        listener_.EndDrag(sourceKind_);
    }
    return true;
}

void DragTracker::Finish() {
    pending_ = false;
    active_ = false;
    if (GetCapture() == owner_) {
        ReleaseCapture(); // its capture-changed message finds no drag on
    }
}

bool DragTracker::OverTarget(POINT screen) const {
    return WindowFromPoint(screen) == target_;
}

POINT DragTracker::InTarget(POINT screen) const {
    ScreenToClient(target_, &screen);
    return screen;
}

} // namespace tundeck
