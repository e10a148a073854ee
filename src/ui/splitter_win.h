#pragma once
// A thin bar between two panes. It captures the mouse while a button is held on it and reports
// presses, moves (in its own coordinates) and releases to its listener.

#include "framework/window.h"

namespace tundeck {

// Columns: a vertical bar between two columns; Rows: a horizontal bar between two rows.
enum class SplitterDirection { Columns, Rows };

class SplitterListener {
public:
    virtual ~SplitterListener() = default;
    virtual void SplitterMouseDown(SplitterDirection bar, MouseButton button) = 0;
    virtual void SplitterMouseMove(SplitterDirection bar, int x, int y) = 0;
    virtual void SplitterMouseUp(SplitterDirection bar, MouseButton button) = 0;
};

class Splitter : public Window {
public:
    Splitter(UserInteraction& ui, SplitterListener& listener, SplitterDirection direction)
        : Window(ui), listener_(listener), direction_(direction) {}

    void Create(HWND parent, int id, RECT bounds);

protected:
    bool OnSetCursor() override;
    bool OnMouse(const MouseEvent& event) override;
    void OnCaptureChanged(HWND newCapture) override;

private:
    void Press(MouseButton button);
    void Release(MouseButton button);

    SplitterListener& listener_;
    SplitterDirection direction_;
};

} // namespace tundeck
