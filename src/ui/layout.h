#pragma once
// Where the main window's controls go, from the client size and the two splitter factors;
// and the factors a splitter drag gives. Arithmetic only: the window applies the results.

#include <array>
#include <cstddef>

namespace tundeck {

// The controls the layout places, named as the window names them.
enum class LayoutControl {
    Label2,
    DriveComboBox1,
    DirectoryListBox1,
    Panel2,
    FileListBox1,
    FilterComboBox1,
    Panel1,
    Label1,
    ListBox1,
    UpDown1,
    BitBtn1,
    BitBtn2,
    BitBtn3,
    BitBtn4,
    BitBtn5,
    Button9, // the button columns left to right, upper button first
    Button1,
    Button3,
    Button2,
    Button5,
    Button4,
    Button6,
    Button7,
};

constexpr std::size_t LayoutControlCount = static_cast<std::size_t>(LayoutControl::Button7) + 1;

// Client pixels. Width and height go negative at the extremes of the factors; see ShownRect.
struct LayoutRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct MainLayout {
    std::array<LayoutRect, LayoutControlCount> Rects{};
    // The other three status panels keep their widths.
    int FirstStatusPanelWidth = 0;

    LayoutRect& operator[](LayoutControl control) { return Rects[static_cast<std::size_t>(control)]; }
    const LayoutRect& operator[](LayoutControl control) const {
        return Rects[static_cast<std::size_t>(control)];
    }

    friend bool operator==(const MainLayout&, const MainLayout&) = default;
};

// Every control's rectangle for a client area and the factors, which are used as given (the
// settings file may hold values outside 0..1). The status bar itself is aligned by the window.
MainLayout ComputeMainLayout(int clientWidth, int clientHeight, double horizontalFactor,
                             double verticalFactor, int statusBarWidth);

// The new HorizontalFactor while Panel1 is dragged; mouseX is in the bar's own coordinates.
double ColumnSplitterFactor(int panel1Left, int mouseX, int fileListWidth, int playlistWidth);

// The new VerticalFactor while Panel2 is dragged; mouseY is in the bar's own coordinates.
double RowSplitterFactor(int panel2Top, int mouseY, int directoryListHeight, int fileListHeight);

// What a window is given for a computed rectangle: a negative width or height shows as empty.
LayoutRect ShownRect(const LayoutRect& rect);

} // namespace tundeck
