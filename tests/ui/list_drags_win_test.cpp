// Drags between the real lists of a visible main window, with the mouse messages the lists and
// the capturing main window receive; and every kind of edit, drags among them, undone and redone.
#include "app/main_controls.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>

namespace tundeck {
namespace {

using Paths = std::vector<std::string>;

class ListDragsTest : public testing::MainWindowTest {
protected:
    ListDragsTest() {
        Start();
        ShowWindow(Main().Handle(), SW_SHOW);
        UpdateWindow(Main().Handle());
    }
    Playlist& Tracks() { return Main().Tracks(); }
    Paths Names() {
        Paths names;
        for (const std::string& path : Tracks().Paths()) {
            names.push_back(path.substr(path.find_last_of('\\') + 1));
        }
        return names;
    }
    // The middle of a list's row, in the list's coordinates.
    POINT RowPoint(ControlId list, int row) {
        RECT r{};
        SendMessageA(Control(list), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return {r.left + 10, (r.top + r.bottom) / 2};
    }
    void Press(ControlId list, POINT at) {
        SendMessageA(Control(list), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    // A message the main window gets while it holds the mouse, for a point of `list`.
    void Captured(UINT message, ControlId list, POINT at) {
        MapWindowPoints(Control(list), Main().Handle(), &at, 1);
        SendMessageA(Main().Handle(), message, message == WM_MOUSEMOVE ? MK_LBUTTON : 0,
                     MAKELPARAM(at.x, at.y));
    }
};

TEST_F(ListDragsTest, APressedTrackFollowsTheMouseRowByRowAndASmallMoveIsAClick) {
    Main().Options().DragMovesTracks = true;
    for (int i = 0; i < 5; ++i) {
        Tracks().AddTrack("C:\\t" + std::to_string(i) + ".mp3", -1, false);
    }
    Press(IdListBox1, RowPoint(IdListBox1, 2));
    EXPECT_EQ(GetCapture(), Main().Handle());
    for (int row : {3, 4, 1}) {
        Captured(WM_MOUSEMOVE, IdListBox1, RowPoint(IdListBox1, row));
    }
    Captured(WM_LBUTTONUP, IdListBox1, RowPoint(IdListBox1, 1));
    EXPECT_EQ(Names(), (Paths{"t0.mp3", "t2.mp3", "t1.mp3", "t3.mp3", "t4.mp3"}));
    EXPECT_EQ(Tracks().SelectedRows(), (std::vector<int>{1}));
    EXPECT_EQ(GetCapture(), nullptr);

    // Less than five pixels: no drag, and the release is the list's own.
    POINT at = RowPoint(IdListBox1, 3);
    Press(IdListBox1, at);
    at.y += 3;
    Captured(WM_MOUSEMOVE, IdListBox1, at);
    Captured(WM_LBUTTONUP, IdListBox1, at);
    EXPECT_EQ(Names(), (Paths{"t0.mp3", "t2.mp3", "t1.mp3", "t3.mp3", "t4.mp3"}));
    EXPECT_EQ(Main().Status().Text(SelectedTimePanel), "Sel. time: 0:00");

    // With Shift held the press selects as the list does, and starts no drag.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Press(IdListBox1, RowPoint(IdListBox1, 4));
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_NE(GetCapture(), Main().Handle());
    SendMessageA(Control(IdListBox1), WM_LBUTTONUP, 0, 0);

    // Escape (the dialog keys' cancel) ends an active drag where it is, without a drop.
    Press(IdListBox1, RowPoint(IdListBox1, 0));
    Captured(WM_MOUSEMOVE, IdListBox1, RowPoint(IdListBox1, 2));
    SendMessageA(Main().Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Names(), (Paths{"t2.mp3", "t1.mp3", "t0.mp3", "t3.mp3", "t4.mp3"}));
}

TEST_F(ListDragsTest, AFileOrADirectoryFromTheBrowserDropsWhereItIsLetGo) {
    std::filesystem::create_directories(programDir.Path() / "music" / "sub");
    const std::string header("\xFF\xF3\x10\x00", 4);
    for (const char* name : {"music\\a.mp3", "music\\sub\\b.mp3"}) {
        programDir.Write(name, header + std::string(996, '\0'));
    }
    ASSERT_TRUE(Main().Browser().ChangeDirectory(programDir.File("music")));
    Tracks().AddTrack("C:\\x.mp3", -1, false);

    Press(IdFileListBox1, RowPoint(IdFileListBox1, 0));
    Captured(WM_MOUSEMOVE, IdListBox1, RowPoint(IdListBox1, 0));
    Captured(WM_LBUTTONUP, IdListBox1, RowPoint(IdListBox1, 0));
    EXPECT_EQ(Names(), (Paths{"a.mp3", "x.mp3"}));
    EXPECT_EQ(Tracks().SelectedRows(), (std::vector<int>{0}));

    // The open directory's row, dropped below the last row, without its subdirectories.
    Main().Options().RecurseDroppedDirectories = false;
    const int open = static_cast<int>(SendMessageA(Control(IdDirectoryListBox1), LB_GETCOUNT, 0, 0)) - 2;
    POINT below = RowPoint(IdListBox1, 1);
    below.y += 40;
    Press(IdDirectoryListBox1, RowPoint(IdDirectoryListBox1, open));
    Captured(WM_MOUSEMOVE, IdListBox1, below);
    Captured(WM_LBUTTONUP, IdListBox1, below);
    EXPECT_EQ(Names(), (Paths{"a.mp3", "x.mp3", "a.mp3"}));
    EXPECT_EQ(Main().Status().Text(TotalTimePanel), "Total time: 0:02");
    SetCurrentDirectoryA(currentDirectory.Start().c_str());
}

TEST_F(ListDragsTest, EveryKindOfEditIsUndoneAndRedoneWithItsSelectionAndTimes) {
    std::filesystem::create_directories(programDir.Path() / "music" / "sub");
    for (const char* name : {"music\\a.mp3", "music\\b.mp3", "music\\sub\\c.mp3"}) {
        programDir.Write(name, std::string("\xFF\xF3\x10\x00", 4) + std::string(1996, '\0')); // 2 s
    }
    programDir.Write("music\\list.m3u", "x.mp3\r\n");
    ASSERT_TRUE(Main().Browser().ChangeDirectory(programDir.File("music")));
    Main().Options().AutoPlayAfterRandom = false;
    Main().Options().DragMovesTracks = true;
    Main().Options().DoubleClickAction = 3; // remove the focused track
    using State = std::tuple<std::vector<std::string>, std::vector<int>, std::string, std::string>;
    const auto now = [&] {
        return State{Tracks().Paths(), Tracks().SelectedRows(), Main().Status().Text(TotalTimePanel),
                     Main().Status().Text(SelectedTimePanel)};
    };
    const auto keys = [&](WPARAM key, BYTE shift) { // typed wherever the main window has the focus
        BYTE state[256] = {};
        state[VK_CONTROL] = 0x80;
        state[VK_SHIFT] = shift;
        SetKeyboardState(state);
        MSG msg{Control(IdButton4), WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(app->PreTranslate(msg));
        SetKeyboardState(std::array<BYTE, 256>{}.data());
    };
    const auto check = [&](const char* kind, const std::function<void()>& edit) {
        const State before = now();
        edit();
        const State after = now();
        EXPECT_NE(std::get<0>(after), std::get<0>(before)) << kind;
        keys('Z', 0);
        EXPECT_EQ(now(), before) << kind;
        keys('Y', 0);
        EXPECT_EQ(now(), after) << kind;
        keys('Z', 0);
        keys('Z', 0x80);
        EXPECT_EQ(now(), after) << kind;
    };
    const auto click = [&](ControlId button) { SendMessageA(Control(button), BM_CLICK, 0, 0); };
    const auto command = [&](ControlId control, int code) {
        SendMessageA(Main().Handle(), WM_COMMAND, MAKEWPARAM(control, code),
                     reinterpret_cast<LPARAM>(Control(control)));
    };
    const auto dragTo = [&](ControlId from, int row, int to) {
        Press(from, RowPoint(from, row));
        Captured(WM_MOUSEMOVE, IdListBox1, RowPoint(IdListBox1, to));
        Captured(WM_LBUTTONUP, IdListBox1, RowPoint(IdListBox1, to));
    };
    check("Get All", [&] { click(IdButton1); });
    SendMessageA(Control(IdFileListBox1), LB_SETSEL, TRUE, 1);
    check("Get Selected", [&] { click(IdButton9); });
    check("double-click on a file", [&] { command(IdFileListBox1, LBN_DBLCLK); });
    check("a file dragged over", [&] { dragTo(IdFileListBox1, 0, 1); });
    const State dragged = now();
    HANDLE writer = CreateFileA(programDir.File("music\\list.m3u").c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    dragTo(IdFileListBox1, 2, 0); // a playlist file that cannot be read: the drop fails
    CloseHandle(writer);
    keys('Z', 0);
    EXPECT_NE(now(), dragged); // the failed drop ended its step: the drag before it is undone
    keys('Y', 0);
    const int sub = static_cast<int>(SendMessageA(Control(IdDirectoryListBox1), LB_GETCOUNT, 0, 0)) - 1;
    check("a directory dragged over", [&] { dragTo(IdDirectoryListBox1, sub, 0); });
    check("a shell drop", [&] {
        SendMessageA(Control(IdListBox1), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(testing::MakeShellDrop({programDir.File("music")}, 5, 5)), 0);
    });
    Press(IdListBox1, RowPoint(IdListBox1, 0));
    Main().UpdateTimeTotals(); // a drag shows no times of its own; an undo does
    check("a track dragged along", [&] {
        for (int row : {1, 2, 3}) {
            Captured(WM_MOUSEMOVE, IdListBox1, RowPoint(IdListBox1, row));
        }
        Captured(WM_LBUTTONUP, IdListBox1, RowPoint(IdListBox1, 3));
        Main().UpdateTimeTotals();
    });
    Tracks().SetSelected(5, true);
    Main().UpdateTimeTotals();
    check("the lower arrow", [&] { Main().UpDown1Click(false); });
    check("Random", [&] { click(IdButton7); });
    check("Remove Sel.", [&] { click(IdButton3); });
    check("the double-click's remove", [&] { command(IdListBox1, LBN_DBLCLK); });
    check("Remove All", [&] { click(IdButton2); });

    // A hundred steps undone back to the start.
    const State start = now();
    for (int step = 0; step < 100; ++step) {
        step % 2 == 0 ? click(IdButton1) : command(IdListBox1, LBN_DBLCLK);
    }
    for (int step = 0; step < 100; ++step) {
        keys('Z', 0);
    }
    EXPECT_EQ(now(), start);
    SetCurrentDirectoryA(currentDirectory.Start().c_str());
}

} // namespace
} // namespace tundeck
