#include "ui/layout.h"

#include <algorithm>
#include <cmath>

namespace tundeck {
namespace {

using enum LayoutControl;

constexpr int MinLayoutHeight = 200;     // a client height of 173 or less lays out as 173
constexpr int NarrowWidth = 372;         // below it the columns stop shrinking...
constexpr int NarrowSharedWidth = 337;   // ...and keep the widths of a 371-pixel client
constexpr int MinButtonColumnsLeft = 97; // clear of the left button column

// Properties the layout never changes keep their design-time values.
constexpr int BrowserLeft = 7;
constexpr int ButtonWidth = 87;
constexpr int ButtonHeight = 25;
constexpr int ButtonColumnStep = 90;
constexpr int TransportHeight = 21;

// The factors reach us unchecked from the settings file; saturating the products keeps an
// absurd factor (or NaN) from overflowing the int arithmetic that follows.
constexpr double PixelLimit = 1 << 20;

// Whole pixels truncate toward zero.
int Trunc(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(value, -PixelLimit, PixelLimit));
}

struct ColumnSplit {
    int Browser;       // width of the browser column
    int Playlist;      // width of the playlist
    int ButtonColumns; // left edge of the three right button columns
};

ColumnSplit SplitColumns(int clientWidth, double horizontalFactor) {
    if (clientWidth < NarrowWidth) {
        return {Trunc(horizontalFactor * NarrowSharedWidth) - 2,
                Trunc((1 - horizontalFactor) * NarrowSharedWidth) - 2, MinButtonColumnsLeft};
    }
    const int shared = clientWidth - 34;
    const int browser = Trunc(shared * horizontalFactor) - 2;
    const int playlist = Trunc(shared * (1 - horizontalFactor)) - 2;
    // The buttons follow the playlist's left edge until they would run off the right edge.
    const int buttons = clientWidth < browser + 282 ? clientWidth - 272 : browser + 10;
    return {browser, playlist, std::max(buttons, MinButtonColumnsLeft)};
}

// A drag's position over the span the two neighbours share, as a factor in 0..1. The layout
// never makes the span zero or less, but the window reads it back from real controls: then the
// side of the mouse decides (past the start gives 1), instead of a NaN or a flipped sign.
double SplitterFactor(double position, double span) {
    if (span <= 0) {
        return position > 0 ? 1.0 : 0.0;
    }
    return std::clamp(position / span, 0.0, 1.0);
}

} // namespace

MainLayout ComputeMainLayout(int clientWidth, int clientHeight, double horizontalFactor,
                             double verticalFactor, int statusBarWidth) {
    const int h = std::max(clientHeight + 27, MinLayoutHeight);
    const int listsHeight = h - 176; // shared by the directory list and the file list
    const int d = Trunc(verticalFactor * listsHeight);
    const int f = Trunc((1 - verticalFactor) * listsHeight);
    const auto [l, r, b] = SplitColumns(clientWidth, horizontalFactor);
    const int t = Trunc(r * 0.2) - 1;

    MainLayout layout;
    layout[Label2] = {BrowserLeft, 0, l, 16};
    layout[DriveComboBox1] = {BrowserLeft, 16, l, 22};
    layout[DirectoryListBox1] = {BrowserLeft, 40, l, d};
    layout[Panel2] = {8, d + 37, l, 6};
    layout[FileListBox1] = {BrowserLeft, d + 43, l, f};
    layout[FilterComboBox1] = {BrowserLeft, h - 131, l, 24};

    layout[Panel1] = {l + 7, 16, 6, h - 123};
    layout[Label1] = {l + 10, 0, r, 16};
    layout[ListBox1] = {l + 10, 16, r, h - 150};
    layout[UpDown1] = {l + r + 14, (h - 94) / 3 + 16, 22, h / 4 - 6};

    constexpr LayoutControl transport[] = {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5};
    for (int k = 0; k < 5; ++k) {
        layout[transport[k]] = {l + 10 + k * (t + 2), h - 129, t, TransportHeight};
    }

    struct ButtonColumn {
        LayoutControl Upper;
        LayoutControl Lower;
        int Left;
    };
    const ButtonColumn columns[] = {{Button9, Button1, BrowserLeft},
                                    {Button3, Button2, b},
                                    {Button5, Button4, b + ButtonColumnStep},
                                    {Button6, Button7, b + 2 * ButtonColumnStep}};
    for (const ButtonColumn& column : columns) {
        layout[column.Upper] = {column.Left, h - 102, ButtonWidth, ButtonHeight};
        layout[column.Lower] = {column.Left, h - 77, ButtonWidth, ButtonHeight};
    }

    layout.FirstStatusPanelWidth = statusBarWidth - 328;
    return layout;
}

double ColumnSplitterFactor(int panel1Left, int mouseX, int fileListWidth, int playlistWidth) {
    return SplitterFactor(static_cast<double>(panel1Left) + mouseX - 6,
                          static_cast<double>(fileListWidth) + playlistWidth + 4);
}

double RowSplitterFactor(int panel2Top, int mouseY, int directoryListHeight, int fileListHeight) {
    return SplitterFactor(static_cast<double>(panel2Top) + mouseY - 40,
                          static_cast<double>(directoryListHeight) + fileListHeight + 4);
}

LayoutRect ShownRect(const LayoutRect& rect) {
    return {rect.Left, rect.Top, std::max(rect.Width, 0), std::max(rect.Height, 0)};
}

} // namespace tundeck
