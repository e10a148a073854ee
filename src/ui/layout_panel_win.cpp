#include "ui/layout_panel_win.h"

#include "framework/error.h"

#include <algorithm>
#include <cstddef>

namespace tundeck {

namespace {

// A drop-down list's window height includes its list; the layout sets the closed height.
constexpr int DroppedListHeight = 200;

bool IsDropDown(LayoutControl control) {
    return control == LayoutControl::DriveComboBox1 || control == LayoutControl::FilterComboBox1;
}

int WindowHeight(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.bottom - r.top;
}

// The closed box of a drop-down list is as high as its selection field makes it, whatever
// height its window is given, so the field's height is what we set. The field height some
// systems report differs by a constant from the one they are given; a second step from the
// value we set ourselves lands exactly.
void SetClosedHeight(HWND combo, int height) {
    if (WindowHeight(combo) == height) {
        return;
    }
    LRESULT field = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int step = 0; step < 2 && field != CB_ERR; ++step) {
        field += height - WindowHeight(combo);
        SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
        if (WindowHeight(combo) == height) {
            return;
        }
    }
}

} // namespace

HWND LayoutPanel::CreateSplitter(LayoutControl bar, HWND parent, int id, RECT bounds) {
    if (bar != LayoutControl::Panel1 && bar != LayoutControl::Panel2) {
        throw Error("Not a splitter bar");
    }
    Splitter& splitter = bar == LayoutControl::Panel1 ? panel1_ : panel2_;
    splitter.Create(parent, id, bounds);
    return splitter.Handle();
}

void LayoutPanel::Attach(HWND window, const std::array<HWND, LayoutControlCount>& controls) {
    window_ = window;
    controls_ = controls;
}

void LayoutPanel::OnResize() {
    // The status bar lines itself up along the bottom edge once it hears of the new size.
    SendMessageA(status_.Handle(), WM_SIZE, 0, 0);
    RECT client{};
    RECT bar{};
    GetClientRect(window_, &client);
    GetClientRect(status_.Handle(), &bar);
    layout_ = ComputeMainLayout(client.right, client.bottom, horizontalFactor_, verticalFactor_, bar.right);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (std::size_t i = 0; i < controls_.size() && batch != nullptr; ++i) {
        LayoutRect r = ShownRect(layout_.Rects[i]);
        if (IsDropDown(static_cast<LayoutControl>(i))) {
            r.Height += DroppedListHeight;
        }
        batch = DeferWindowPos(batch, controls_[i], nullptr, r.Left, r.Top, r.Width, r.Height,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch != nullptr) {
        EndDeferWindowPos(batch);
    }
    for (LayoutControl dropDown : {LayoutControl::DriveComboBox1, LayoutControl::FilterComboBox1}) {
        SetClosedHeight(controls_[static_cast<std::size_t>(dropDown)], layout_[dropDown].Height);
    }
    status_.SetFirstPanelWidth(std::max(layout_.FirstStatusPanelWidth, 0));
}

bool& LayoutPanel::DraggingFlag(SplitterDirection bar) {
    return bar == SplitterDirection::Columns ? columnSplitterDragging_ : rowSplitterDragging_;
}

void LayoutPanel::SplitterMouseDown(SplitterDirection bar, MouseButton button) {
    if (button == MouseButton::Left) {
        DraggingFlag(bar) = true;
    }
}

void LayoutPanel::SplitterMouseUp(SplitterDirection bar, MouseButton /*button*/) {
    DraggingFlag(bar) = false;
}

void LayoutPanel::SplitterMouseMove(SplitterDirection bar, int x, int y) {
    status_.ClearHoverInfo();
    if (bar == SplitterDirection::Columns) {
        Panel1MouseMove(x);
    } else {
        Panel2MouseMove(y);
    }
}

void LayoutPanel::Panel1MouseMove(int x) {
    if (!columnSplitterDragging_) {
        return;
    }
    horizontalFactor_ = ColumnSplitterFactor(layout_[LayoutControl::Panel1].Left, x,
                                             layout_[LayoutControl::FileListBox1].Width,
                                             layout_[LayoutControl::ListBox1].Width);
    OnResize();
}

void LayoutPanel::Panel2MouseMove(int y) {
    if (!rowSplitterDragging_) {
        return;
    }
    verticalFactor_ = RowSplitterFactor(layout_[LayoutControl::Panel2].Top, y,
                                        layout_[LayoutControl::DirectoryListBox1].Height,
                                        layout_[LayoutControl::FileListBox1].Height);
    OnResize();
}

} // namespace tundeck
