// The track under the mouse in the status bar and the popup menus of the two lists, on a visible
// main window with real track files.
#include "app/commands.h"
#include "framework/file_io_win.h"
#include "support/main_window_fixture.h"
#include "trackinfo/tundeck_idtag.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

// MPEG-1 Layer III, 128 kbit/s, 44.1 kHz: 16,000 bytes a second.
const std::string Mpeg1Header("\xFF\xFB\x90\x64", 4);
// MPEG-2 Layer III, 64 kbit/s, 22.05 kHz: 8,000 bytes a second.
const std::string Mpeg2Header("\xFF\xF3\x80\x00", 4);

class TrackInfoTest : public testing::MainWindowTest {
protected:
    testing::TempDir music;

    TrackInfoTest() {
        music.Write("one.mp3", Mpeg1Header + std::string(245 * 16000 - 4, '\0'));
        music.Write("TWO.MP3", Mpeg2Header + std::string(90 * 8000 - 4, '\0'));
        music.Write("list.m3u", "one.mp3\r\n");
        Start();
        ShowWindow(Main().Handle(), SW_SHOW);
        UpdateWindow(Main().Handle());
        Main().Browser().ChangeDirectory(music.Path().string());
        Main().Tracks().AddTrack(music.File("one.mp3"), -1, false);
        Main().Tracks().AddTrack("http://radio.example/live/jazz", -1, false);
        Main().Tracks().AddTrack(music.File("TWO.MP3"), -1, false);
    }

    POINT RowPoint(ControlId list, int row) {
        RECT r{};
        SendMessageA(Control(list), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return {r.left + 10, (r.top + r.bottom) / 2};
    }
    POINT BelowLastRow(ControlId list) {
        RECT r{};
        GetClientRect(Control(list), &r);
        return {10, r.bottom - 5};
    }
    void Move(ControlId control, POINT at) {
        SendMessageA(Control(control), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    }
    std::pair<std::string, std::string> Hover() {
        return {Main().Status().Text(HoverNamePanel), Main().Status().Text(HoverTimePanel)};
    }
    // A right click whose menu is closed again as soon as it is open.
    void RightClick(ControlId list, POINT at) { RightClick(list, at, at); }
    void RightClick(ControlId list, POINT down, POINT up) {
        SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
            KillTimer(nullptr, timer);
            EndMenu();
        });
        SendMessageA(Control(list), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(down.x, down.y));
        SendMessageA(Control(list), WM_RBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    }
    std::vector<std::string> InfoTexts(const InfoPopup& popup) {
        std::vector<std::string> texts;
        for (int position = InfoItemsPosition; position < InfoItemsPosition + 5; ++position) {
            texts.push_back(popup.Menu().Text(position));
        }
        return texts;
    }
    bool DefaultIs(int command) {
        return GetMenuDefaultItem(Main().Popups().PopupMenu1().Menu().Handle(), FALSE, GMDI_USEDISABLED) ==
               static_cast<UINT>(command);
    }
};

TEST_F(TrackInfoTest, HoverShowsTheTrackUnderTheMouseAndTheOtherControlsClearIt) {
    Move(IdListBox1, RowPoint(IdListBox1, 0));
    EXPECT_EQ(Hover(), std::make_pair(std::string("one.mp3"), std::string("Time: 4:05")));
    Move(IdListBox1, RowPoint(IdListBox1, 1));
    EXPECT_EQ(Hover(), std::make_pair(std::string("jazz"), std::string("Time: ???")));
    Move(IdListBox1, BelowLastRow(IdListBox1));
    EXPECT_EQ(Hover(), std::make_pair(std::string(), std::string("Time: ")));

    // The file list: an upper-case extension counts; a playlist file shows no track; a file too
    // short for a header has its name shown before the read fails.
    music.Write("short.mp3", "ab");
    Main().Browser().Refresh();
    const std::vector<std::string> names = testing::ListTexts(Control(IdFileListBox1));
    const auto row = [&](const char* name) {
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    };
    Move(IdFileListBox1, RowPoint(IdFileListBox1, row("TWO.MP3")));
    EXPECT_EQ(Hover(), std::make_pair(std::string("TWO.MP3"), std::string("Time: 1:30")));
    Move(IdFileListBox1, RowPoint(IdFileListBox1, row("short.mp3")));
    EXPECT_EQ(Hover(), std::make_pair(std::string("short.mp3"), std::string("Time: 1:30")));
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Read beyond end of file.");
    Move(IdFileListBox1, RowPoint(IdFileListBox1, row("list.m3u")));
    EXPECT_EQ(Hover(), std::make_pair(std::string(), std::string("Time: ")));

    // A button, the directory list and the window itself clear it; the filter box leaves it.
    for (ControlId other : {IdButton4, IdDirectoryListBox1, IdUpDown1}) {
        Move(IdListBox1, RowPoint(IdListBox1, 0));
        Move(other, {3, 3});
        EXPECT_EQ(Hover().first, "") << other;
    }
    Move(IdListBox1, RowPoint(IdListBox1, 0));
    Move(IdFilterComboBox1, {3, 3});
    EXPECT_EQ(Hover().first, "one.mp3");
    SendMessageA(Main().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(Hover().first, "");
}

TEST_F(TrackInfoTest, PlaylistMenuForAnEntryAStreamAndEmptySpace) {
    const PopupMenu& menu = Main().Popups().PopupMenu1().Menu();
    Main().Options().NumberAfterPlaylist = false;
    // The row is where the button went down, not where it comes up.
    RightClick(IdListBox1, RowPoint(IdListBox1, 2), RowPoint(IdListBox1, 0));
    EXPECT_EQ(Main().PopupIndex(), 2);
    EXPECT_EQ(InfoTexts(Main().Popups().PopupMenu1()),
              (std::vector<std::string>{"TWO.MP3", "Time: 1:30 min", "Version: 2.0   Layer: III",
                                        "Bitrate: 64 kBit/s", "Sample Freq:   22.0 kHz"}));
    for (int command : {CmdPlayFromHere, CmdPlaySingle, CmdRemove, CmdViewEditTag1}) {
        EXPECT_TRUE(menu.IsEnabled(command)) << command;
    }
    EXPECT_EQ(menu.Text(3), "--------------------------");

    Move(IdListBox1, RowPoint(IdListBox1, 1));
    RightClick(IdListBox1, RowPoint(IdListBox1, 1));
    EXPECT_EQ(InfoTexts(Main().Popups().PopupMenu1()),
              (std::vector<std::string>{"jazz", "Time: ??? min", "Version: ???   Layer: ???",
                                        "BitRate: ??? kBit/s", "Sample Freq: ??? kHz"}));
    EXPECT_FALSE(menu.IsEnabled(CmdViewEditTag1));
    EXPECT_TRUE(menu.IsEnabled(CmdPlayFromHere));

    Main().Options().NumberAfterPlaylist = true;
    Move(IdListBox1, RowPoint(IdListBox1, 0));
    RightClick(IdListBox1, RowPoint(IdListBox1, 0));
    EXPECT_FALSE(menu.IsEnabled(CmdPlaySingle));
    EXPECT_TRUE(menu.IsEnabled(CmdRemove));

    Move(IdListBox1, BelowLastRow(IdListBox1));
    RightClick(IdListBox1, BelowLastRow(IdListBox1));
    EXPECT_EQ(Main().PopupIndex(), -1);
    for (int command : {CmdPlayFromHere, CmdPlaySingle, CmdRemove, CmdViewEditTag1}) {
        EXPECT_FALSE(menu.IsEnabled(command)) << command;
    }
    EXPECT_EQ(InfoTexts(Main().Popups().PopupMenu1()), std::vector<std::string>(5));

    // The bold item follows the double-click action and numbering.
    Main().Options().DoubleClickAction = 2;
    Main().UpdatePopupDefaults();
    EXPECT_TRUE(DefaultIs(CmdPlayFromHere));
    Main().Options().NumberAfterPlaylist = false;
    Main().UpdatePopupDefaults();
    EXPECT_TRUE(DefaultIs(CmdPlaySingle));
}

TEST_F(TrackInfoTest, FileListMenuOffersOnlyTracksAndTheKeyboardOpensItOnTheFocusedRow) {
    const PopupMenu& menu = Main().Popups().PopupMenu2().Menu();
    const std::vector<std::string> names = testing::ListTexts(Control(IdFileListBox1));
    const int two = static_cast<int>(std::find(names.begin(), names.end(), "TWO.MP3") - names.begin());
    const int list = static_cast<int>(std::find(names.begin(), names.end(), "list.m3u") - names.begin());

    RightClick(IdFileListBox1, RowPoint(IdFileListBox1, two));
    EXPECT_TRUE(menu.IsEnabled(CmdPlayFileSingle));
    EXPECT_TRUE(menu.IsEnabled(CmdViewEditTag2));
    EXPECT_EQ(InfoTexts(Main().Popups().PopupMenu2())[0], "TWO.MP3");
    RightClick(IdFileListBox1, RowPoint(IdFileListBox1, list));
    EXPECT_FALSE(menu.IsEnabled(CmdPlayFileSingle));
    EXPECT_FALSE(menu.IsEnabled(CmdViewEditTag2));
    EXPECT_EQ(InfoTexts(Main().Popups().PopupMenu2()), std::vector<std::string>(5));

    // Shift+F10 on the playlist: the focused row's menu; View/Edit ID3-Tag then opens the dialog.
    SendMessageA(Control(IdListBox1), LB_SETCARETINDEX, 0, FALSE);
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        EndMenu();
    });
    SendMessageA(Control(IdListBox1), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(IdListBox1)), -1);
    EXPECT_EQ(Main().PopupIndex(), 0);
    EXPECT_EQ(InfoTexts(Main().Popups().PopupMenu1())[1], "Time: 4:05 min");
    Main().RunCommand(CmdViewEditTag1, 0);
    HWND dialog = app->TagEditor().Handle();
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
    EXPECT_EQ(WindowText(app->TagEditor().Control(Form4::IdLabel7)), music.File("one.mp3"));
    EXPECT_EQ(WindowText(app->TagEditor().Control(Form4::IdLabel7 + 2)), "Time: 4:05 min");
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
}

// Files as encoders and taggers write them: an ID3v2 tag in front (a large one, as a cover
// picture makes), an Info or Xing header, an ID3v1 tag at the end.
TEST_F(TrackInfoTest, TaggedAndVbrFilesShowTheirRealTimesAndHeaders) {
    Main().Tracks().Clear();
    const std::string cbr = ReadFileBytes(testing::TestTool("trackinfo/data/ffmpeg-tagged-cbr.mp3"));
    music.Write("cbr.mp3", cbr);
    music.Write("vbr.mp3", ReadFileBytes(testing::TestTool("trackinfo/data/lame-vbr-tagged.mp3")));
    const std::size_t cover = 150'000;
    music.Write("cover.mp3", std::string("ID3\x03\0\0", 6) + char(cover >> 21) + char(cover >> 14 & 0x7F) +
                                 char(cover >> 7 & 0x7F) + char(cover & 0x7F) + std::string(cover, '\0') +
                                 cbr);
    for (const char* name : {"cbr.mp3", "vbr.mp3", "cover.mp3"}) {
        Main().Tracks().AddTrack(music.File(name), -1, false);
    }
    const std::vector<std::string> cbrLines{"cbr.mp3", "Time: 0:05 min", "Version: 2.0   Layer: III",
                                            "Bitrate: 32 kBit/s", "Sample Freq:   24.0 kHz"};
    const std::vector<std::vector<std::string>> expected{
        cbrLines,
        {"vbr.mp3", "Time: 0:07 min", "Version: 2.5   Layer: III", "Bitrate: 12 kBit/s",
         "Sample Freq:   11.0 kHz"},
        {"cover.mp3", cbrLines[1], cbrLines[2], cbrLines[3], cbrLines[4]}};
    for (int row = 0; row < 3; ++row) {
        Move(IdListBox1, RowPoint(IdListBox1, row));
        RightClick(IdListBox1, RowPoint(IdListBox1, row));
        EXPECT_EQ(InfoTexts(Main().Popups().PopupMenu1()), expected[static_cast<std::size_t>(row)]) << row;
    }
    Main().UpdateTimeTotals();
    EXPECT_EQ(Main().Status().Text(TotalTimePanel), "Total time: 0:17");
    EXPECT_TRUE(ui.Messages.empty());
}

} // namespace
} // namespace tundeck
