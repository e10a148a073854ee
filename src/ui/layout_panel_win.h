#pragma once
// The main window's layout: the pass that places every control for the client size and the
// splitter factors, and the two splitter bars that change the factors.

#include "trackinfo/status_panels_win.h"
#include "ui/layout.h"
#include "ui/splitter_win.h"

#include <array>

namespace tundeck {

class LayoutPanel : private SplitterListener {
public:
    // The factors are the option record's; a drag changes them at once.
    LayoutPanel(UserInteraction& ui, double& horizontalFactor, double& verticalFactor, StatusPanels& status)
        : panel1_(ui, *this, SplitterDirection::Columns), panel2_(ui, *this, SplitterDirection::Rows),
          horizontalFactor_(horizontalFactor), verticalFactor_(verticalFactor), status_(status) {}

    // Creates the bar `bar` (Panel1 or Panel2) as child `id` of `parent`.
    HWND CreateSplitter(LayoutControl bar, HWND parent, int id, RECT bounds);
    // The window and the controls the pass places, by LayoutControl.
    void Attach(HWND window, const std::array<HWND, LayoutControlCount>& controls);

    // Lays out every control for the client size and the factors.
    void OnResize();

private:
    void SplitterMouseDown(SplitterDirection bar, MouseButton button) override;
    void SplitterMouseMove(SplitterDirection bar, int x, int y) override;
    void SplitterMouseUp(SplitterDirection bar, MouseButton button) override;
    void Panel1MouseMove(int x);
    void Panel2MouseMove(int y);
    bool& DraggingFlag(SplitterDirection bar);

    Splitter panel1_;
    Splitter panel2_;
    double& horizontalFactor_;
    double& verticalFactor_;
    StatusPanels& status_;
    HWND window_ = nullptr;
    std::array<HWND, LayoutControlCount> controls_{};
    MainLayout layout_;
    bool columnSplitterDragging_ = false;
    bool rowSplitterDragging_ = false;
};

} // namespace tundeck
