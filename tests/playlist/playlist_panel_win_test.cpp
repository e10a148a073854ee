// Filling and editing the playlist of a real main window: real directory trees, the buttons,
// the up-down control and keys typed on the playlist.
#include "app/main_controls.h"
#include "playlist/adding_win.h"
#include "support/main_window_fixture.h"
#include "trackinfo/status_panels_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace tundeck {
namespace {

using Paths = std::vector<std::string>;

// MPEG-2 Layer III at 8 kbit/s: 1,000 bytes a second.
const std::string Header8Kbit("\xFF\xF3\x10\x00", 4);

class PlaylistPanelTest : public testing::MainWindowTest {
protected:
    PlaylistPanelTest() { Start(); }

    Playlist& Tracks() { return Main().Tracks(); }
    std::string Track(const std::string& name, int seconds = 1) {
        programDir.Write(name, Header8Kbit + std::string(static_cast<std::size_t>(seconds) * 1000 - 4, '\0'));
        return programDir.File(name);
    }
    void Click(ControlId id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    std::string Panel(int panel) { return Main().Status().Text(panel); }
    Paths Names() {
        Paths names;
        for (const std::string& path : Tracks().Paths()) {
            names.push_back(path.substr(path.find_last_of('\\') + 1));
        }
        return names;
    }
    std::vector<int> Selected() { return Tracks().SelectedRows(); }
    void AddNumbered(int count) {
        for (int i = 0; i < count; ++i) {
            Tracks().AddTrack("C:\\t" + std::to_string(i) + ".mp3", -1, false);
        }
    }
    void Select(std::initializer_list<int> rows) {
        for (int row : rows) {
            Tracks().SetSelected(row, true);
        }
    }
};

TEST_F(PlaylistPanelTest, AddDirectoryTakesVisibleTracksOfEveryPlainSubdirectoryInOrder) {
    namespace fs = std::filesystem;
    for (const char* dir : {"tree\\one\\deep", "tree\\two", "tree\\hidden"}) {
        fs::create_directories(programDir.Path() / dir);
    }
    for (const char* name :
         {"tree\\a.mp3", "tree\\B.MP3", "tree\\h.mp3", "tree\\s.mp3", "tree\\x.mp3x", "tree\\list.m3u",
          "tree\\one\\c.mp3", "tree\\one\\deep\\d.mp3", "tree\\two\\e.mp3", "tree\\hidden\\f.mp3"}) {
        Track(name);
    }
    SetFileAttributesA(programDir.File("tree\\B.MP3").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(programDir.File("tree\\h.mp3").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(programDir.File("tree\\s.mp3").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(programDir.File("tree\\hidden").c_str(),
                       FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    const std::string tree = programDir.File("tree") + "\\";

    AddDirectory(Tracks(), tree, false, -1, nullptr);
    const Paths own = Names();
    EXPECT_EQ(std::set<std::string>(own.begin(), own.end()), (std::set<std::string>{"a.mp3", "B.MP3"}));
    Tracks().Clear();

    AddDirectory(Tracks(), tree, true, -1, nullptr);
    const Paths appended = Names();
    ASSERT_EQ(appended.size(), 5u);
    EXPECT_EQ(std::set<std::string>(appended.begin(), appended.begin() + 2),
              (std::set<std::string>{"a.mp3", "B.MP3"}));
    const auto c = std::find(appended.begin(), appended.end(), "c.mp3");
    ASSERT_NE(c, appended.end());
    EXPECT_EQ(*(c + 1), "d.mp3"); // a directory's own tracks, then its subdirectories'
    EXPECT_EQ(Selected().size(), 5u);

    // At a row, each later subdirectory's tree lands in front of the earlier ones.
    Tracks().Clear();
    AddNumbered(2);
    Select({1});
    AddDirectory(Tracks(), tree, true, 1, nullptr);
    Paths expected{"t0.mp3", appended[0], appended[1]};
    const bool oneFirst = appended[2] == "c.mp3";
    for (const std::string& name :
         oneFirst ? Paths{"e.mp3", "c.mp3", "d.mp3"} : Paths{"c.mp3", "d.mp3", "e.mp3"}) {
        expected.push_back(name);
    }
    expected.push_back("t1.mp3");
    EXPECT_EQ(Names(), expected);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Tracks().FocusedRow(), oneFirst ? 3 : 4); // where adding one by one set a flag last

    // A directory that is not there, and one whose path is too long to search, add nothing.
    AddDirectory(Tracks(), programDir.File("gone") + "\\", true, -1, nullptr);
    const std::string tooLong = "tree\\two\\" + std::string(250, 'x');
    std::filesystem::create_directory(programDir.Path() / tooLong);
    Track(tooLong + "\\z.mp3");
    AddDirectory(Tracks(), programDir.File("tree\\two") + "\\", true, -1, nullptr);
    EXPECT_EQ(Names().back(), "e.mp3");
    EXPECT_EQ(Tracks().Count(), 8);
}

TEST_F(PlaylistPanelTest, ShellDropsTakeFilesFirstThenDirectoriesAtTheDropPoint) {
    std::filesystem::create_directories(programDir.Path() / "one" / "deep");
    std::filesystem::create_directory(programDir.Path() / "two");
    const std::string a = Track("a.mp3"), b = Track("b.mp3"), c = Track("one\\c.mp3"),
                      d = Track("one\\deep\\d.mp3"), e = Track("two\\e.mp3");
    const std::string longName = std::string(240, 'n') + ".mp3";
    const std::string longPath = Track(longName);
    programDir.Write("notes.txt", "x");
    AddNumbered(2);
    RECT row{};
    SendMessageA(Control(IdListBox1), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    const auto drop = [&](const Paths& paths, POINT at) {
        SendMessageA(Control(IdListBox1), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(testing::MakeShellDrop(paths, at.x, at.y)), 0);
    };
    Main().Options().RecurseDroppedDirectories = false;
    drop({programDir.File("one"), a, b}, {row.left + 3, row.top + 2}); // on row 1
    EXPECT_EQ(Names(), (Paths{"t0.mp3", "a.mp3", "b.mp3", "c.mp3", "t1.mp3"}));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Panel(TotalTimePanel), "Total time: 0:03");

    Tracks().Clear();
    Main().Options().RecurseDroppedDirectories = true;
    drop({programDir.File("notes.txt"), longPath, programDir.File("one"), programDir.File("two")}, {-5, -5});
    EXPECT_EQ(Names(), (Paths{longName, "c.mp3", "d.mp3", "e.mp3"})); // outside the rows: appended in order
    // Below the last row, too: the later directory after the earlier one.
    drop({programDir.File("two"), programDir.File("one")}, {row.left + 3, row.bottom + 60});
    EXPECT_EQ(Names(), (Paths{longName, "c.mp3", "d.mp3", "e.mp3", "e.mp3", "c.mp3", "d.mp3"}));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PlaylistPanelTest, GetAllGetSelectedAndTheDoubleClickAddFromTheFileList) {
    const std::string a = Track("a.mp3", 2);
    Track("C.MP3", 3);
    programDir.Write("b.m3u", a + "\r\nC:\\x.txt\r\nC:\\y.mp3\r\n");
    ASSERT_TRUE(Main().Browser().ChangeDirectory(programDir.Path().string()));
    HWND files = Control(IdFileListBox1);
    ASSERT_EQ(Main().Browser().FileNames(), (Paths{"a.mp3", "b.m3u", "C.MP3"}));

    Click(IdButton1);
    EXPECT_EQ(Names(), (Paths{"a.mp3", "C.MP3"}));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Panel(TotalTimePanel), "Total time: 0:05");

    Click(IdButton9); // nothing selected in the file list
    EXPECT_EQ(Tracks().Count(), 2);
    SendMessageA(files, LB_SETSEL, TRUE, 1);
    SendMessageA(files, LB_SETSEL, TRUE, 0);
    Click(IdButton9); // the playlist file is not expanded
    EXPECT_EQ(Names(), (Paths{"a.mp3", "C.MP3", "a.mp3"}));

    // Double-clicking the focused, selected playlist file expands it at the end.
    SendMessageA(files, LB_SETSEL, FALSE, -1);
    SendMessageA(files, LB_SETSEL, TRUE, 1);
    SendMessageA(Main().Handle(), WM_COMMAND, MAKEWPARAM(IdFileListBox1, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(files));
    EXPECT_EQ(Names(), (Paths{"a.mp3", "C.MP3", "a.mp3", "a.mp3", "y.mp3"}));
    SendMessageA(files, LB_SETSEL, FALSE, 1); // focused but not selected: nothing
    SendMessageA(Main().Handle(), WM_COMMAND, MAKEWPARAM(IdFileListBox1, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(files));
    EXPECT_EQ(Tracks().Count(), 5);
    SetCurrentDirectoryA(currentDirectory.Start().c_str());
}

TEST_F(PlaylistPanelTest, TheButtonsRemoveDeselectAndShuffle) {
    Main().Options().AutoPlayAfterRandom = false;
    AddNumbered(6);
    Select({1, 2, 4});
    Click(IdButton3);
    EXPECT_EQ(Names(), (Paths{"t0.mp3", "t3.mp3", "t5.mp3"}));
    EXPECT_EQ(Panel(SelectedTimePanel), "Sel. time: 0:00");

    Tracks().Clear();
    AddNumbered(6);
    Select({1, 2, 4});
    Click(IdButton7);
    Paths shuffled = Names();
    EXPECT_EQ(Paths(shuffled.begin(), shuffled.begin() + 3), (Paths{"t1.mp3", "t2.mp3", "t4.mp3"}));
    EXPECT_EQ(std::set<std::string>(shuffled.begin() + 3, shuffled.end()),
              (std::set<std::string>{"t0.mp3", "t3.mp3", "t5.mp3"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));
    Tracks().SetAllSelected(true);
    Click(IdButton7); // everything selected: nothing moves
    EXPECT_EQ(Names(), shuffled);
    EXPECT_EQ(Selected().size(), 6u);

    SendMessageA(Main().Status().Handle(), SB_SETTEXTA, SelectedTimePanel, reinterpret_cast<LPARAM>("x"));
    Click(IdButton6);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Panel(SelectedTimePanel), "Sel. time: 0:00");
    Click(IdButton2);
    EXPECT_EQ(Tracks().Count(), 0);
    EXPECT_EQ(Panel(TotalTimePanel), "Total time: 0:00");
}

TEST_F(PlaylistPanelTest, TheUpDownMovesTheSelectionUntilItsPositionStops) {
    AddNumbered(4);
    Select({2});
    HWND upDown = Control(IdUpDown1);
    RECT r{};
    GetClientRect(upDown, &r);
    const auto click = [&](bool upper) {
        const LPARAM point = MAKELPARAM(r.right / 2, upper ? r.bottom / 4 : r.bottom * 3 / 4);
        SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(upDown, WM_LBUTTONUP, 0, point);
    };
    click(true);
    EXPECT_EQ(Names(), (Paths{"t0.mp3", "t2.mp3", "t1.mp3", "t3.mp3"}));
    SendMessageA(upDown, UDM_SETPOS32, 0, 32767);
    click(true); // the position cannot go up: nothing moves
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
    click(false);
    EXPECT_EQ(Names(), (Paths{"t0.mp3", "t1.mp3", "t2.mp3", "t3.mp3"}));
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
}

TEST_F(PlaylistPanelTest, TheMovedTrackKeepsTheFocusInViewAndAHeldArrowStepsByOne) {
    HWND list = Control(IdListBox1);
    HWND upDown = Control(IdUpDown1);
    UDACCEL steps[2]{};
    EXPECT_EQ(SendMessageA(upDown, UDM_GETACCEL, 2, reinterpret_cast<LPARAM>(steps)), 1);
    EXPECT_EQ(steps[0].nInc, 1u);
    RECT client{}, arrows{};
    GetClientRect(list, &client);
    GetClientRect(upDown, &arrows);
    const LPARAM lower = MAKELPARAM(arrows.right / 2, arrows.bottom * 3 / 4);
    const LRESULT wholeRows = client.bottom / SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    AddNumbered(300);
    Select({0});
    for (int press = 1; press <= 40; ++press) {
        SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, lower);
        SendMessageA(upDown, WM_LBUTTONUP, 0, lower);
        ASSERT_EQ(Selected(), std::vector<int>{press});
        ASSERT_EQ(Tracks().FocusedRow(), press);
        const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
        ASSERT_TRUE(press >= top && press < top + wholeRows) << press;
    }
}

TEST_F(PlaylistPanelTest, DelCtrlAAndEnterTypedOnThePlaylist) {
    Main().Options().DoubleClickAction = 3; // remove the focused row
    Tracks().AddTrack(Track("a.mp3", 2), -1, false);
    Tracks().AddTrack(Track("b.mp3", 3), -1, false);
    Tracks().AddTrack(Track("c.mp3", 4), -1, false);
    ShowWindow(Main().Handle(), SW_SHOW);
    SetForegroundWindow(Main().Handle());
    SetFocus(Control(IdListBox1));
    const auto type = [&](std::initializer_list<WORD> keys) {
        std::vector<INPUT> inputs;
        for (WORD key : keys) {
            INPUT down{};
            down.type = INPUT_KEYBOARD;
            down.ki.wVk = key;
            inputs.push_back(down);
        }
        for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
            INPUT up{};
            up.type = INPUT_KEYBOARD;
            up.ki.wVk = *key;
            up.ki.dwFlags = KEYEVENTF_KEYUP;
            inputs.push_back(up);
        }
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        testing::WaitUntil([] { return false; }, 100);
        RunPendingMessages();
    };
    type({VK_CONTROL, 'A'});
    EXPECT_EQ(Selected().size(), 3u);
    EXPECT_EQ(Panel(SelectedTimePanel), "Sel. time: 0:09");
    Tracks().SetSelected(0, false);
    Tracks().SetSelected(2, false);
    type({VK_DELETE});
    EXPECT_EQ(Names(), (Paths{"a.mp3", "c.mp3"}));
    SendMessageA(Control(IdListBox1), LB_SETCARETINDEX, 1, FALSE);
    type({VK_RETURN});
    EXPECT_EQ(Names(), (Paths{"a.mp3"}));
    EXPECT_EQ(Panel(TotalTimePanel), "Total time: 0:02");
}

} // namespace
} // namespace tundeck
