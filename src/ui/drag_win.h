#pragma once
// Dragging between the main window's lists: a drag begun by a press becomes active once the
// mouse has moved 5 pixels with the button held, only the target list takes the drop, and
// the right button, Escape or a lost capture cancel it. The window that owns the tracker
// captures the mouse and hands it its mouse messages while a drag is on.

#include "framework/window.h"
#include "playlist/drag_source.h"

namespace tundeck {

class DragListener {
public:
    virtual ~DragListener() = default;
    // Each movement of an active drag over the target, and the drop there; the point in the
    // target's client coordinates.
    virtual void DragOver(DragSource source, POINT point) = 0;
    virtual void DragDrop(DragSource source, POINT point) = 0;
    // After every drag that became active, dropped or not, even when the drop failed; it must
    // not fail itself.
    virtual void EndDrag(DragSource source) = 0;
    // A release before the drag became active: the press was a plain click of the source; the
    // point in the source's client coordinates.
    virtual void ClickReleased(DragSource source, const MouseEvent& release) = 0;
};

class DragTracker {
public:
    explicit DragTracker(DragListener& listener) : listener_(listener) {}

    // `owner` takes the mouse from here on; `target` is the one list that accepts drops.
    void Attach(HWND owner, HWND target);
    // A press at `point` of `control`: the list's own press-and-drag selection ends here.
    void Begin(DragSource source, HWND control, POINT point);
    bool Pending() const { return pending_; }

    // The owner's mouse messages while a drag is pending, its point in the owner's coordinates;
    // false when no drag is on.
    bool Mouse(const MouseEvent& event);
    // Escape, the right button or another window taking the mouse. False when no drag was on.
    bool Cancel();

private:
    void Move(POINT screen);
    void Release(const MouseEvent& event, POINT screen);
    bool OverTarget(POINT screen) const;
    POINT InTarget(POINT screen) const;
    void Finish();

    DragListener& listener_;
    HWND owner_ = nullptr;
    HWND target_ = nullptr;
    HWND source_ = nullptr;
    DragSource sourceKind_ = DragSource::Playlist;
    POINT start_{}; // screen coordinates of the press
    bool pending_ = false;
    bool active_ = false;
};

} // namespace tundeck
