// The main window's layout pass and its two splitter bars.
#include "app/mp3.h"

#include <commctrl.h>

#include <array>

namespace tundeck {

namespace {

struct Placement {
    LayoutControl Control;
    ControlId Id;
};

constexpr Placement Placements[] = {
    {LayoutControl::Label2, IdLabel2},
    {LayoutControl::DriveComboBox1, IdDriveComboBox1},
    {LayoutControl::DirectoryListBox1, IdDirectoryListBox1},
    {LayoutControl::Panel2, IdPanel2},
    {LayoutControl::FileListBox1, IdFileListBox1},
    {LayoutControl::FilterComboBox1, IdFilterComboBox1},
    {LayoutControl::Panel1, IdPanel1},
    {LayoutControl::Label1, IdLabel1},
    {LayoutControl::ListBox1, IdListBox1},
    {LayoutControl::UpDown1, IdUpDown1},
    {LayoutControl::BitBtn1, IdBitBtn1},
    {LayoutControl::BitBtn2, IdBitBtn2},
    {LayoutControl::BitBtn3, IdBitBtn3},
    {LayoutControl::BitBtn4, IdBitBtn4},
    {LayoutControl::BitBtn5, IdBitBtn5},
    {LayoutControl::Button9, IdButton9},
    {LayoutControl::Button1, IdButton1},
    {LayoutControl::Button3, IdButton3},
    {LayoutControl::Button2, IdButton2},
    {LayoutControl::Button5, IdButton5},
    {LayoutControl::Button4, IdButton4},
    {LayoutControl::Button6, IdButton6},
    {LayoutControl::Button7, IdButton7},
};

// A drop-down list's window height includes its list; the layout sets the closed height.
constexpr int DroppedListHeight = 200;

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

void Form1::OnResize() {
    // The status bar lines itself up along the bottom edge once it hears of the new size.
    SendMessageA(statusBar_.Handle(), WM_SIZE, 0, 0);
    RECT client{};
    RECT bar{};
    GetClientRect(Handle(), &client);
    GetClientRect(statusBar_.Handle(), &bar);
    layout_ = ComputeMainLayout(client.right, client.bottom, settings_.HorizontalFactor,
                                settings_.VerticalFactor, bar.right);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(std::size(Placements)));
    for (const Placement& placement : Placements) {
        LayoutRect r = ShownRect(layout_[placement.Control]);
        if (placement.Id == IdDriveComboBox1 || placement.Id == IdFilterComboBox1) {
            r.Height += DroppedListHeight;
        }
        if (batch != nullptr) {
            batch = DeferWindowPos(batch, Control(placement.Id), nullptr, r.Left, r.Top, r.Width, r.Height,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch != nullptr) {
        EndDeferWindowPos(batch);
    }
    SetClosedHeight(Control(IdDriveComboBox1), layout_[LayoutControl::DriveComboBox1].Height);
    SetClosedHeight(Control(IdFilterComboBox1), layout_[LayoutControl::FilterComboBox1].Height);
    const std::array<int, 4> widths = {std::max(layout_.FirstStatusPanelWidth, 0), 89, 110, 126};
    statusBar_.SetWidths(widths);
}

void Form1::ClearHoverInfo() {
    statusBar_.SetText(0, "");
    statusBar_.SetText(1, "Time: ");
}

void Form1::SplitterMouseDown(int id, MouseButton button) {
    if (button != MouseButton::Left) {
        return;
    }
    (id == IdPanel1 ? columnSplitterDragging_ : rowSplitterDragging_) = true;
}

void Form1::SplitterMouseUp(int id, MouseButton /*button*/) {
    (id == IdPanel1 ? columnSplitterDragging_ : rowSplitterDragging_) = false;
}

void Form1::SplitterMouseMove(int id, int x, int y) {
    ClearHoverInfo();
    if (id == IdPanel1) {
        Panel1MouseMove(x);
    } else {
        Panel2MouseMove(y);
    }
}

void Form1::Panel1MouseMove(int x) {
    if (!columnSplitterDragging_) {
        return;
    }
    settings_.HorizontalFactor = ColumnSplitterFactor(layout_[LayoutControl::Panel1].Left, x,
                                                      layout_[LayoutControl::FileListBox1].Width,
                                                      layout_[LayoutControl::ListBox1].Width);
    OnResize();
}

void Form1::Panel2MouseMove(int y) {
    if (!rowSplitterDragging_) {
        return;
    }
    settings_.VerticalFactor = RowSplitterFactor(layout_[LayoutControl::Panel2].Top, y,
                                                 layout_[LayoutControl::DirectoryListBox1].Height,
                                                 layout_[LayoutControl::FileListBox1].Height);
    OnResize();
}

} // namespace tundeck
