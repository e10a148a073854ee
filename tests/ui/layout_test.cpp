#include "ui/layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>

namespace tundeck {

void PrintTo(const LayoutRect& rect, std::ostream* out) {
    *out << '{' << rect.Left << ", " << rect.Top << ", " << rect.Width << ", " << rect.Height << '}';
}

namespace {

using enum LayoutControl;

constexpr double DefaultH = 0.4556;
constexpr double DefaultV = 0.33;

MainLayout Layout(int width, int height, double hFactor = DefaultH, double vFactor = DefaultV) {
    return ComputeMainLayout(width, height, hFactor, vFactor, width);
}

TEST(MainLayout, PlacesEveryControlAtTheDesignSize) {
    struct Row {
        LayoutControl control;
        const char* name;
        LayoutRect rect;
    };
    const Row expected[] = {
        {Label2, "Label2", {7, 0, 244, 16}},
        {DriveComboBox1, "DriveComboBox1", {7, 16, 244, 22}},
        {DirectoryListBox1, "DirectoryListBox1", {7, 40, 244, 99}},
        {Panel2, "Panel2", {8, 136, 244, 6}},
        {FileListBox1, "FileListBox1", {7, 142, 244, 203}},
        {FilterComboBox1, "FilterComboBox1", {7, 348, 244, 24}},
        {Panel1, "Panel1", {251, 16, 6, 356}},
        {Label1, "Label1", {254, 0, 292, 16}},
        {ListBox1, "ListBox1", {254, 16, 292, 329}},
        {UpDown1, "UpDown1", {550, 144, 22, 113}},
        {BitBtn1, "BitBtn1", {254, 350, 57, 21}},
        {BitBtn2, "BitBtn2", {313, 350, 57, 21}},
        {BitBtn3, "BitBtn3", {372, 350, 57, 21}},
        {BitBtn4, "BitBtn4", {431, 350, 57, 21}},
        {BitBtn5, "BitBtn5", {490, 350, 57, 21}},
        {Button9, "Button9", {7, 377, 87, 25}},
        {Button1, "Button1", {7, 402, 87, 25}},
        {Button3, "Button3", {254, 377, 87, 25}},
        {Button2, "Button2", {254, 402, 87, 25}},
        {Button5, "Button5", {344, 377, 87, 25}},
        {Button4, "Button4", {344, 402, 87, 25}},
        {Button6, "Button6", {434, 377, 87, 25}},
        {Button7, "Button7", {434, 402, 87, 25}},
    };
    static_assert(std::size(expected) == LayoutControlCount);
    const MainLayout layout = Layout(575, 452);
    for (const Row& row : expected) {
        EXPECT_EQ(layout[row.control], row.rect) << row.name;
    }
    EXPECT_EQ(layout.FirstStatusPanelWidth, 247);
}

// Browser width L, playlist width R, left edge B of the right button columns, transport width T.
struct ColumnCase {
    const char* name;
    int width;
    double hFactor;
    int l, r, b, t;
};

void PrintTo(const ColumnCase& c, std::ostream* out) {
    *out << c.name;
}

class LayoutColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(LayoutColumns, GivesTheColumnWidthsAndButtonEdge) {
    const ColumnCase& c = GetParam();
    const MainLayout layout = Layout(c.width, 452, c.hFactor);
    EXPECT_EQ(layout[FileListBox1].Width, c.l);
    EXPECT_EQ(layout[ListBox1].Width, c.r);
    EXPECT_EQ(layout[Button3].Left, c.b);
    EXPECT_EQ(layout[BitBtn5].Width, c.t);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, LayoutColumns,
    ::testing::Values(ColumnCase{"DesignSize", 575, DefaultH, 244, 292, 254, 57},
                      ColumnCase{"Wide", 1920, DefaultH, 857, 1024, 867, 203},
                      ColumnCase{"Width400", 400, DefaultH, 164, 197, 128, 38}, // L + 282 passes the edge
                      ColumnCase{"Width372", 372, DefaultH, 151, 182, 100, 35}, // last width that shrinks
                      ColumnCase{"Width371", 371, DefaultH, 151, 181, 97, 35},  // shared width fixed at 337
                      ColumnCase{"BrowserClosed", 575, 0.0, -2, 539, 97, 106},  // B would be 8
                      ColumnCase{"PlaylistClosed", 575, 1.0, 539, -2, 303, -1}, // T truncates -0.4 to 0
                      ColumnCase{"NarrowPlaylistClosed", 300, 1.0, 335, -2, 97, -1},
                      ColumnCase{"FactorAboveOne", 575, 1.5, 809, -272, 303, -55}), // used unclamped
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainLayout, NarrowWindowsLayOutAs371Wide) {
    const MainLayout at371 = Layout(371, 452);
    EXPECT_EQ(at371[Button3].Left, 97);
    EXPECT_EQ(at371[Button5].Left, 187);
    EXPECT_EQ(at371[Button6].Left, 277);
    for (int width : {300, 100, 0}) {
        EXPECT_EQ(ComputeMainLayout(width, 452, DefaultH, DefaultV, 371), at371) << width;
    }
}

TEST(MainLayout, ShortWindowsLayOutAs173High) {
    const MainLayout at173 = Layout(575, 173);
    EXPECT_EQ(at173[ListBox1].Height, 50); // H = 200
    EXPECT_EQ(at173[DirectoryListBox1].Height, 7);
    EXPECT_EQ(at173[FileListBox1].Height, 16);
    EXPECT_EQ(at173[UpDown1], (LayoutRect{550, 51, 22, 44}));
    for (int height : {172, 20, 0, -30}) {
        EXPECT_EQ(Layout(575, height), at173) << height;
    }
    EXPECT_EQ(Layout(575, 174)[ListBox1].Height, 51);
}

TEST(MainLayout, VerticalFactorSharesTheListsHeight) {
    struct Case {
        double vFactor;
        int directory, file;
    };
    // The two lists share 303 pixels at the design height.
    for (const Case& c : {Case{0.0, 0, 303}, Case{1.0, 303, 0}, Case{0.5, 151, 151}, Case{-0.5, -151, 454}}) {
        const MainLayout layout = Layout(575, 452, DefaultH, c.vFactor);
        EXPECT_EQ(layout[DirectoryListBox1].Height, c.directory) << c.vFactor;
        EXPECT_EQ(layout[FileListBox1].Height, c.file) << c.vFactor;
        EXPECT_EQ(layout[Panel2].Top, c.directory + 37) << c.vFactor;
    }
}

TEST(MainLayout, AbsurdFactorsStayWithinRange) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double factor : {1e300, -1e300, inf, std::nan("")}) {
        const MainLayout layout = Layout(575, 452, factor, factor);
        for (const LayoutRect& rect : layout.Rects) {
            EXPECT_LT(std::abs(rect.Left) + std::abs(rect.Width), 1 << 23) << factor;
            EXPECT_LT(std::abs(rect.Top) + std::abs(rect.Height), 1 << 23) << factor;
        }
    }
}

TEST(LayoutSplitters, FactorIsThePositionOverTheSharedSpanClamped) {
    struct Case {
        int start, mouse, first, second;
        double factor;
    };
    const Case cases[] = {
        {251, 3, 244, 292, 248.0 / 540}, // on the bar at the design size
        {251, -245, 244, 292, 0.0},      // exactly the left limit
        {251, -400, 244, 292, 0.0},      // past it
        {251, 400, 244, 292, 1.0},       // past the right limit
        {100, 10, -2, -2, 1.0},          // no span: the side of the mouse decides
        {6, 0, -2, -2, 0.0},             // no span, no position
        {100, -200, -2, -2, 0.0},
        {100, 10, -5, -5, 1.0}, // negative span, treated as none
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ColumnSplitterFactor(c.start, c.mouse, c.first, c.second), c.factor) << c.mouse;
        // The row bar measures from 40 instead of 6.
        EXPECT_DOUBLE_EQ(RowSplitterFactor(c.start + 34, c.mouse, c.first, c.second), c.factor) << c.mouse;
    }
}

TEST(LayoutSplitters, BarsFollowTheMouse) {
    const MainLayout before = Layout(575, 452);
    const auto dragColumn = [&](int x) {
        const double factor =
            ColumnSplitterFactor(before[Panel1].Left, x, before[FileListBox1].Width, before[ListBox1].Width);
        return Layout(575, 452, factor)[Panel1].Left;
    };
    const auto dragRow = [&](int y) {
        const double factor = RowSplitterFactor(before[Panel2].Top, y, before[DirectoryListBox1].Height,
                                                before[FileListBox1].Height);
        return Layout(575, 452, DefaultH, factor)[Panel2].Top;
    };
    EXPECT_EQ(dragColumn(53), 303);
    EXPECT_EQ(dragColumn(-47), 203);
    EXPECT_EQ(dragRow(52), 183);
    EXPECT_EQ(dragRow(-48), 84);
}

TEST(LayoutShownRect, EmptiesNegativeSizesOnly) {
    EXPECT_EQ(ShownRect({-2, 16, -2, -5}), (LayoutRect{-2, 16, 0, 0}));
    EXPECT_EQ(ShownRect({303, 350, -1, 21}), (LayoutRect{303, 350, 0, 21}));
    EXPECT_EQ(ShownRect({7, 40, 244, 0}), (LayoutRect{7, 40, 244, 0}));
}

} // namespace
} // namespace tundeck
