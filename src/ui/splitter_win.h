#pragma once
// A thin bar between two panes. It captures the mouse while a button is held on it and reports
// presses, moves (in its own coordinates) and releases to its listener.

#include "framework/window.h"

namespace tundeck {

enum class MouseButton { Left, Right, Middle };

class SplitterListener {
public:
    virtual ~SplitterListener() = default;
    virtual void SplitterMouseDown(int id, MouseButton button) = 0;
    virtual void SplitterMouseMove(int id, int x, int y) = 0;
    virtual void SplitterMouseUp(int id, MouseButton button) = 0;
};

enum class SplitterDirection { Columns, Rows };

class Splitter : public Window {
public:
    Splitter(UserInteraction& ui, SplitterListener& listener, SplitterDirection direction)
        : Window(ui), listener_(listener), direction_(direction) {}

    void Create(HWND parent, int id, RECT bounds);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Press(MouseButton button);
    void Release(MouseButton button);

    SplitterListener& listener_;
    SplitterDirection direction_;
    int id_ = 0;
};

} // namespace tundeck
