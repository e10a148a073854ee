// The layout applied to the real main window, and its splitter bars dragged with mouse messages.
#include "support/main_window_fixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>

namespace tundeck {

void PrintTo(const LayoutRect& rect, std::ostream* out) {
    *out << '{' << rect.Left << ", " << rect.Top << ", " << rect.Width << ", " << rect.Height << '}';
}

namespace {

using enum LayoutControl;

struct Placed {
    LayoutControl Control;
    ControlId Id;
    const char* Name;
};

constexpr Placed AllPlaced[] = {
    {Label2, IdLabel2, "Label2"},
    {DriveComboBox1, IdDriveComboBox1, "DriveComboBox1"},
    {DirectoryListBox1, IdDirectoryListBox1, "DirectoryListBox1"},
    {Panel2, IdPanel2, "Panel2"},
    {FileListBox1, IdFileListBox1, "FileListBox1"},
    {FilterComboBox1, IdFilterComboBox1, "FilterComboBox1"},
    {Panel1, IdPanel1, "Panel1"},
    {Label1, IdLabel1, "Label1"},
    {ListBox1, IdListBox1, "ListBox1"},
    {UpDown1, IdUpDown1, "UpDown1"},
    {BitBtn1, IdBitBtn1, "BitBtn1"},
    {BitBtn2, IdBitBtn2, "BitBtn2"},
    {BitBtn3, IdBitBtn3, "BitBtn3"},
    {BitBtn4, IdBitBtn4, "BitBtn4"},
    {BitBtn5, IdBitBtn5, "BitBtn5"},
    {Button9, IdButton9, "Button9"},
    {Button1, IdButton1, "Button1"},
    {Button3, IdButton3, "Button3"},
    {Button2, IdButton2, "Button2"},
    {Button5, IdButton5, "Button5"},
    {Button4, IdButton4, "Button4"},
    {Button6, IdButton6, "Button6"},
    {Button7, IdButton7, "Button7"},
};
static_assert(std::size(AllPlaced) == LayoutControlCount);

// A child's rectangle in its parent's client coordinates. A drop-down list's window is its
// closed box: the list it opens is a window of its own.
LayoutRect ChildRect(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

void ResizeClient(HWND window, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), GetMenu(window) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

class LayoutWindow : public testing::MainWindowTest {
protected:
    HWND Handle(ControlId id) { return Main().Control(id); }
    LayoutRect Rect(LayoutControl control) {
        for (const Placed& placed : AllPlaced) {
            if (placed.Control == control) {
                return ChildRect(Handle(placed.Id));
            }
        }
        return {};
    }

    int FirstStatusPart() {
        int edges[4] = {};
        SendMessageA(Handle(IdStatusBar1), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
        return edges[0];
    }

    // Every control where the layout of the window's present client size and factors puts it,
    // a negative size shown as empty.
    void ExpectLaidOutForItsSize() {
        const SIZE client = ClientSize(Main().Handle());
        const MainLayout expected =
            ComputeMainLayout(client.cx, client.cy, Main().Options().HorizontalFactor,
                              Main().Options().VerticalFactor, ClientSize(Handle(IdStatusBar1)).cx);
        for (const Placed& placed : AllPlaced) {
            EXPECT_EQ(ChildRect(Handle(placed.Id)), ShownRect(expected[placed.Control]))
                << placed.Name << " at " << client.cx << " x " << client.cy;
        }
        EXPECT_EQ(FirstStatusPart(), std::max(static_cast<int>(client.cx) - 328, 0));
    }

    // The status bar lines itself up along the bottom edge, at the height its font gives it.
    void ExpectStatusBarAlongTheBottom() {
        const SIZE client = ClientSize(Main().Handle());
        const LayoutRect bar = ChildRect(Handle(IdStatusBar1));
        EXPECT_EQ(bar.Left, 0);
        EXPECT_EQ(bar.Width, client.cx);
        EXPECT_EQ(bar.Top + bar.Height, client.cy);
    }

    void Send(ControlId bar, UINT message, int x, int y, WPARAM keys) {
        SendMessageA(Handle(bar), message, keys, Point(x, y));
    }
    // A press, one captured move per position, and the release, as the bar receives them.
    void Drag(ControlId bar, std::initializer_list<POINT> moves) {
        Send(bar, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
        for (POINT move : moves) {
            Send(bar, WM_MOUSEMOVE, move.x, move.y, MK_LBUTTON);
        }
        Send(bar, WM_LBUTTONUP, moves.end()[-1].x, moves.end()[-1].y, 0);
    }
};

TEST_F(LayoutWindow, PlacesEveryControlAtTheDesignSize) {
    Start();
    ASSERT_EQ(ClientSize(Main().Handle()).cx, 575);
    ASSERT_EQ(ClientSize(Main().Handle()).cy, 452);
    struct Row {
        ControlId id;
        LayoutRect rect;
    };
    // Browser 244 wide, playlist 292 from 254, right button columns from 254, transports 57.
    const Row expected[] = {
        {IdLabel2, {7, 0, 244, 16}},
        {IdDriveComboBox1, {7, 16, 244, 22}},
        {IdDirectoryListBox1, {7, 40, 244, 99}},
        {IdPanel2, {8, 136, 244, 6}},
        {IdFileListBox1, {7, 142, 244, 203}},
        {IdFilterComboBox1, {7, 348, 244, 24}},
        {IdPanel1, {251, 16, 6, 356}},
        {IdLabel1, {254, 0, 292, 16}},
        {IdListBox1, {254, 16, 292, 329}},
        {IdUpDown1, {550, 144, 22, 113}},
        {IdBitBtn1, {254, 350, 57, 21}},
        {IdBitBtn2, {313, 350, 57, 21}},
        {IdBitBtn3, {372, 350, 57, 21}},
        {IdBitBtn4, {431, 350, 57, 21}},
        {IdBitBtn5, {490, 350, 57, 21}},
        {IdButton9, {7, 377, 87, 25}},
        {IdButton1, {7, 402, 87, 25}},
        {IdButton3, {254, 377, 87, 25}},
        {IdButton2, {254, 402, 87, 25}},
        {IdButton5, {344, 377, 87, 25}},
        {IdButton4, {344, 402, 87, 25}},
        {IdButton6, {434, 377, 87, 25}},
        {IdButton7, {434, 402, 87, 25}},
    };
    for (const Row& row : expected) {
        EXPECT_EQ(ChildRect(Handle(row.id)), row.rect) << MainControl(row.id).Name;
    }
    EXPECT_EQ(FirstStatusPart(), 247);
    ExpectStatusBarAlongTheBottom();
    // The combo boxes keep room for their lists below the closed box.
    for (ControlId combo : {IdDriveComboBox1, IdFilterComboBox1}) {
        RECT dropped{};
        SendMessageA(Handle(combo), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        EXPECT_GE(dropped.bottom - dropped.top, 100) << MainControl(combo).Name;
    }
}

struct SizeCase {
    const char* name;
    int width, height;
    LayoutRect playlist;  // ListBox1
    LayoutRect fileList;  // FileListBox1
    int buttonColumnLeft; // Button3
    int transportWidth;   // BitBtn1
};

void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.name;
}

class LayoutWindowSizes : public LayoutWindow, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(LayoutWindowSizes, FollowsTheClientSize) {
    const SizeCase& c = GetParam();
    Start();
    ResizeClient(Main().Handle(), c.width, c.height);
    ASSERT_EQ(ClientSize(Main().Handle()).cx, c.width);
    ASSERT_EQ(ClientSize(Main().Handle()).cy, c.height);
    EXPECT_EQ(Rect(ListBox1), c.playlist);
    EXPECT_EQ(Rect(FileListBox1), c.fileList);
    EXPECT_EQ(Rect(Button3).Left, c.buttonColumnLeft);
    EXPECT_EQ(Rect(BitBtn1).Width, c.transportWidth);
    ExpectStatusBarAlongTheBottom();
    ExpectLaidOutForItsSize();
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, LayoutWindowSizes,
    ::testing::Values(SizeCase{"Large", 1000, 700, {448, 16, 523, 577}, {7, 224, 438, 369}, 448, 103},
                      SizeCase{"Small", 400, 300, {174, 16, 197, 177}, {7, 92, 164, 101}, 128, 38},
                      // Below 372 wide the columns keep the widths of 371 and run off the edge.
                      SizeCase{"Narrow371", 371, 452, {161, 16, 181, 329}, {7, 142, 151, 203}, 97, 35},
                      SizeCase{"Narrow300", 300, 452, {161, 16, 181, 329}, {7, 142, 151, 203}, 97, 35},
                      // At 173 high and less the layout stops shrinking; the status bar covers it.
                      SizeCase{"Short173", 575, 173, {254, 16, 292, 50}, {7, 50, 244, 16}, 254, 57},
                      SizeCase{"Short60", 575, 60, {254, 16, 292, 50}, {7, 50, 244, 16}, 254, 57}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutWindow, StartsWithTheSizeAndFactorsOfTheSettingsFile) {
    // The size lines come before the factors, as the program writes them: the window is resized
    // with the old factors first, so only a layout after reading shows the new ones.
    WriteSettings("WinSizX=700\r\nWinSizY=500\r\nHFactor=0.25\r\nVFactor=0.6\r\n");
    Start();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(Rect(ListBox1), (LayoutRect{174, 16, 497, 377}));
    EXPECT_EQ(Rect(DirectoryListBox1), (LayoutRect{7, 40, 164, 210}));
    EXPECT_EQ(Rect(FileListBox1), (LayoutRect{7, 253, 164, 140}));
    EXPECT_EQ(FirstStatusPart(), 372);
    ExpectLaidOutForItsSize();
}

TEST_F(LayoutWindow, NegativeSizesFromTheSettingsFileShowEmpty) {
    // Factors outside 0..1 are applied as read: the playlist and the directory list come out
    // with negative sizes.
    WriteSettings("HFactor=1.5\r\nVFactor=-0.25\r\n");
    Start();
    EXPECT_EQ(Rect(ListBox1), (LayoutRect{819, 16, 0, 329}));
    EXPECT_EQ(Rect(BitBtn3), (LayoutRect{713, 350, 0, 21}));
    EXPECT_EQ(Rect(DirectoryListBox1), (LayoutRect{7, 40, 809, 0}));
    EXPECT_EQ(Rect(Panel2).Top, -38);
    ExpectLaidOutForItsSize();
    // Painting such a window is harmless, and so is a narrow tiny one.
    ShowWindow(Main().Handle(), SW_SHOWNOACTIVATE);
    RedrawWindow(Main().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ResizeClient(Main().Handle(), 150, 40);
    RedrawWindow(Main().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ExpectLaidOutForItsSize();
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(LayoutWindow, ColumnSplitterMovesTheColumnsAndClamps) {
    Start();
    SendMessageA(Handle(IdPanel1), WM_SETCURSOR, reinterpret_cast<WPARAM>(Handle(IdPanel1)), HTCLIENT);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
    // Panel1 sits at 251 and the columns share 244 + 292 + 4: 45 left of the bar's corner is 200.
    Drag(IdPanel1, {{-45, 3}});
    EXPECT_DOUBLE_EQ(Main().Options().HorizontalFactor, 200.0 / 540);
    EXPECT_EQ(Rect(Panel1).Left, 205);
    EXPECT_EQ(Rect(ListBox1), (LayoutRect{208, 16, 338, 329}));
    EXPECT_EQ(Rect(DriveComboBox1).Width, 198);
    ExpectLaidOutForItsSize();

    // Each move measures from where the bar has got to.
    Drag(IdPanel1, {{-1000, 3}});
    EXPECT_EQ(Main().Options().HorizontalFactor, 0.0);
    EXPECT_EQ(Rect(Panel1).Left, 5);
    EXPECT_EQ(Rect(Label2).Width, 0);
    EXPECT_EQ(Rect(FileListBox1).Width, 0);
    EXPECT_EQ(Rect(ListBox1), (LayoutRect{8, 16, 539, 329}));
    EXPECT_EQ(Rect(Button3).Left, 97);
    ExpectLaidOutForItsSize();

    Drag(IdPanel1, {{100, 3}, {2000, 400}});
    EXPECT_EQ(Main().Options().HorizontalFactor, 1.0);
    EXPECT_EQ(Rect(ListBox1), (LayoutRect{549, 16, 0, 329}));
    EXPECT_EQ(Rect(BitBtn5), (LayoutRect{553, 350, 0, 21}));
    EXPECT_EQ(Rect(UpDown1).Left, 551);
    EXPECT_EQ(Rect(Button3).Left, 303); // the button columns stop at the right edge
    EXPECT_EQ(Main().Options().VerticalFactor, 0.33);
    ExpectLaidOutForItsSize();
}

TEST_F(LayoutWindow, RowSplitterMovesTheListsAndClamps) {
    Start();
    SendMessageA(Handle(IdPanel2), WM_SETCURSOR, reinterpret_cast<WPARAM>(Handle(IdPanel2)), HTCLIENT);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZENS));
    // Panel2 sits at 136 and the lists share 99 + 203 + 4: 54 below the bar's corner is 150.
    Drag(IdPanel2, {{3, 54}});
    EXPECT_DOUBLE_EQ(Main().Options().VerticalFactor, 150.0 / 306);
    EXPECT_EQ(Rect(DirectoryListBox1), (LayoutRect{7, 40, 244, 148}));
    EXPECT_EQ(Rect(Panel2), (LayoutRect{8, 185, 244, 6}));
    EXPECT_EQ(Rect(FileListBox1), (LayoutRect{7, 191, 244, 154}));

    Drag(IdPanel2, {{3, -500}});
    EXPECT_EQ(Main().Options().VerticalFactor, 0.0);
    EXPECT_EQ(Rect(DirectoryListBox1).Height, 0);
    EXPECT_EQ(Rect(FileListBox1), (LayoutRect{7, 43, 244, 303}));

    Drag(IdPanel2, {{-300, 1000}});
    EXPECT_EQ(Main().Options().VerticalFactor, 1.0);
    EXPECT_EQ(Rect(DirectoryListBox1).Height, 303);
    EXPECT_EQ(Rect(FileListBox1), (LayoutRect{7, 346, 244, 0}));
    EXPECT_EQ(Main().Options().HorizontalFactor, 0.4556);
    ExpectLaidOutForItsSize();
}

TEST_F(LayoutWindow, MovesWithoutTheLeftButtonOnlyClearTheHover) {
    Start();
    StatusPanels& status = Main().Status();
    const auto set = [&](int panel, const char* text) {
        SendMessageA(status.Handle(), SB_SETTEXTA, panel, reinterpret_cast<LPARAM>(text));
    };
    const auto hover = [&] {
        set(0, "C:\\music\\a.mp3");
        set(1, "Time: 3:12");
        set(2, "Sel. time: 1:00");
    };
    hover();
    Send(IdPanel1, WM_MOUSEMOVE, -100, 3, 0);
    EXPECT_EQ(status.Text(0), "");
    EXPECT_EQ(status.Text(1), "Time: ");
    EXPECT_EQ(status.Text(2), "Sel. time: 1:00");

    // Neither the right nor the middle button drags.
    hover();
    Send(IdPanel2, WM_RBUTTONDOWN, 3, 3, MK_RBUTTON);
    Send(IdPanel2, WM_MOUSEMOVE, 3, 100, MK_RBUTTON);
    Send(IdPanel2, WM_RBUTTONUP, 3, 100, 0);
    EXPECT_EQ(status.Text(0), "");
    EXPECT_EQ(status.Text(1), "Time: ");
    Send(IdPanel1, WM_MBUTTONDOWN, 3, 3, MK_MBUTTON);
    Send(IdPanel1, WM_MOUSEMOVE, 100, 3, MK_MBUTTON);
    Send(IdPanel1, WM_MBUTTONUP, 100, 3, 0);

    EXPECT_EQ(Main().Options().HorizontalFactor, 0.4556);
    EXPECT_EQ(Main().Options().VerticalFactor, 0.33);
    EXPECT_EQ(Rect(ListBox1), (LayoutRect{254, 16, 292, 329}));
    EXPECT_EQ(Rect(Panel2).Top, 136);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(LayoutWindow, AnyButtonReleaseOrLostCaptureEndsADrag) {
    Start();
    Send(IdPanel1, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), Handle(IdPanel1));
    Send(IdPanel1, WM_RBUTTONDOWN, 3, 3, MK_LBUTTON | MK_RBUTTON);
    Send(IdPanel1, WM_RBUTTONUP, 3, 3, MK_LBUTTON);
    Send(IdPanel1, WM_MOUSEMOVE, -45, 3, MK_LBUTTON);
    EXPECT_EQ(Main().Options().HorizontalFactor, 0.4556);
    Send(IdPanel1, WM_LBUTTONUP, -45, 3, 0);

    // A menu or a message box that takes the mouse ends the drag too: no release will come.
    Send(IdPanel2, WM_LBUTTONDOWN, 3, 3, MK_LBUTTON);
    SetCapture(Main().Handle());
    ReleaseCapture();
    Send(IdPanel2, WM_MOUSEMOVE, 3, 54, MK_LBUTTON);
    EXPECT_EQ(Main().Options().VerticalFactor, 0.33);
    EXPECT_EQ(Rect(Panel2).Top, 136);
}

TEST_F(LayoutWindow, DraggedFactorsAreWrittenAtTheEnd) {
    Start();
    Drag(IdPanel1, {{-45, 3}});
    Drag(IdPanel2, {{3, 54}});
    app->End();
    const std::string written = programDir.Read("tundeck.ini");
    EXPECT_NE(written.find("\r\nHFactor=0.3704\r\nVFactor=0.4902\r\n"), std::string::npos) << written;
}

// Moves the real cursor to a point of the main window's client area.
INPUT MouseInput(HWND window, POINT client, DWORD flags) {
    ClientToScreen(window, &client);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(client.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(client.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void DispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

TEST_F(LayoutWindow, RealMouseDragOutsideTheBarStillMovesIt) {
    Start();
    HWND main = Main().Handle();
    ShowWindow(main, SW_SHOW);
    SetForegroundWindow(main);
    UpdateWindow(main);
    DispatchPending();
    // Press on the bar, leave it far to the left over the file list, release there. The playlist
    // covers the bar's right half.
    POINT onBar{252, 200};
    ClientToScreen(main, &onBar);
    ASSERT_EQ(WindowFromPoint(onBar), Handle(IdPanel1));
    INPUT inputs[] = {MouseInput(main, {252, 200}, 0), MouseInput(main, {252, 200}, MOUSEEVENTF_LEFTDOWN),
                      MouseInput(main, {120, 260}, 0), MouseInput(main, {120, 260}, MOUSEEVENTF_LEFTUP)};
    ASSERT_EQ(SendInput(4, inputs, sizeof(INPUT)), 4u);
    DispatchPending();
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(main, &cursor);
    // The bar's own X plus its left edge is the cursor's client X, wherever the bar went.
    EXPECT_DOUBLE_EQ(Main().Options().HorizontalFactor, (cursor.x - 6) / 540.0);
    EXPECT_EQ(Rect(Panel1).Left, 7 + static_cast<int>(541 * ((cursor.x - 6) / 540.0)) - 2);
    EXPECT_EQ(GetCapture(), nullptr);
    ExpectLaidOutForItsSize();
}

} // namespace
} // namespace tundeck
