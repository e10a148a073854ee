// The Setup dialog on a running main window: each control writes its field at once, the player
// and the playlist follow, and what it shows is what the settings file gets.
#include "app/commands.h"
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

using testing::WaitUntil;

HWND PlayerWindow() {
    return FindWindowA("Melvane Main Window", "Melvane3");
}

class SetupTest : public testing::MainWindowTest {
protected:
    SetupTest() {
        WriteSettings("WinLook=0\r\nWinShow=0\r\nTrueOrd=1\r\nDblMode=1\r\nShutWin=0\r\nRestWin=1\r\n");
        Start();
        ShowWindow(Main().Handle(), SW_SHOW);
    }
    ~SetupTest() override {
        End();
        if (HWND player = PlayerWindow()) {
            PostMessageA(player, WM_CLOSE, 0, 0);
            WaitUntil([] { return PlayerWindow() == nullptr; });
        }
    }
    Form2& Dialog() { return app->Setup(); }
    void Open() { Main().RunCommand(CmdOptions, 0); }
    void Click(int id) { SendMessageA(Dialog().Control(id), BM_CLICK, 0, 0); }
    void ClickItem(int group, int item) { Click(Form2::RadioItemId(group, item)); }
    bool Checked(int id) { return SendMessageA(Dialog().Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::string SettingsFileLine(const std::string& key) {
        const std::string file = programDir.Read("tundeck.ini");
        const std::size_t at = file.find(key + "=");
        return at == std::string::npos ? std::string() : file.substr(at, file.find("\r\n", at) - at);
    }
};

TEST_F(SetupTest, EveryControlWritesItsFieldAndTheFileGetsWhatTheDialogShows) {
    Open();
    EXPECT_TRUE(IsWindowVisible(Dialog().Handle()));
    EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
    EXPECT_TRUE(Checked(Form2::RadioItemId(5, 1))); // the fields are shown as they are
    EXPECT_TRUE(Checked(Form2::IdCheckBox1 + 4));

    ClickItem(2, 2);
    ClickItem(3, 1);
    ClickItem(4, 0);
    ClickItem(5, 0);
    ClickItem(6, 0);
    Click(Form2::IdCheckBox1);     // AutoPlayAfterRandom off
    Click(Form2::IdCheckBox1 + 1); // RememberPlaylist off
    Click(Form2::IdCheckBox1 + 2); // AutoPlayArguments off
    const Settings& options = Main().Options();
    EXPECT_EQ(options.DoubleClickAction, 3);
    EXPECT_TRUE(options.DragMovesTracks);
    EXPECT_FALSE(options.FileDragStartsDrag);
    EXPECT_FALSE(options.NumberAfterPlaylist);
    EXPECT_FALSE(options.RecurseDroppedDirectories);
    EXPECT_FALSE(options.AutoPlayAfterRandom || options.RememberPlaylist || options.AutoPlayArguments);

    // Close at exit greys Restore at exit, which keeps its check and its field.
    Click(Form2::IdCheckBox1 + 3);
    EXPECT_TRUE(options.ClosePlayerAtExit);
    EXPECT_FALSE(IsWindowEnabled(Dialog().Control(Form2::IdCheckBox1 + 4)));
    EXPECT_TRUE(Checked(Form2::IdCheckBox1 + 4));
    EXPECT_TRUE(options.RestorePlayerAtExit);

    // The program ends with the dialog open: its Close runs first, the file holds the choices.
    End();
    EXPECT_EQ(SettingsFileLine("DblMode"), "DblMode=3");
    EXPECT_EQ(SettingsFileLine("DragMov"), "DragMov=1");
    EXPECT_EQ(SettingsFileLine("FileDrg"), "FileDrg=0");
    EXPECT_EQ(SettingsFileLine("TrueOrd"), "TrueOrd=0");
    EXPECT_EQ(SettingsFileLine("GetRecu"), "GetRecu=0");
    EXPECT_EQ(SettingsFileLine("AutoRnd"), "AutoRnd=0");
    EXPECT_EQ(SettingsFileLine("Remembr"), "Remembr=0");
    EXPECT_EQ(SettingsFileLine("AutoM3u"), "AutoM3u=0");
    EXPECT_EQ(SettingsFileLine("ShutWin"), "ShutWin=1");
    EXPECT_EQ(SettingsFileLine("RestWin"), "RestWin=1");
}

TEST_F(SetupTest, DisplayModeAndPopupDefaultFollowAtOnceAndClose) {
    Main().Tracks().AddTrack("C:\\music\\a.mp3", -1, false);
    Main().Tracks().AddTrack("C:\\music\\b.mp3", -1, true);
    Open();
    ClickItem(1, 1);
    EXPECT_EQ(testing::DrawnListTexts(Control(IdListBox1)),
              (std::vector<std::string>{"C:\\music\\a.mp3", "C:\\music\\b.mp3"}));
    EXPECT_EQ(Main().Tracks().SelectedRows(), std::vector<int>{1});
    ClickItem(1, 0);
    EXPECT_EQ(testing::DrawnListTexts(Control(IdListBox1)), (std::vector<std::string>{"a.mp3", "b.mp3"}));

    ClickItem(2, 2);
    Click(Form2::IdButton2);
    EXPECT_FALSE(IsWindowVisible(Dialog().Handle()));
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
    EXPECT_EQ(GetMenuDefaultItem(Main().Popups().PopupMenu1().Menu().Handle(), FALSE, GMDI_USEDISABLED),
              static_cast<UINT>(CmdRemove));
}

TEST_F(SetupTest, WindowHandlingAndAppearanceMoveTheRunningPlayer) {
    programDir.Write("a.mp3", std::string("\xFF\xFB\x90\x64", 4) + std::string(16000, '\0'));
    Main().Tracks().AddTrack(programDir.File("a.mp3"), -1, false);
    SendMessageA(Control(IdButton4), BM_CLICK, 0, 0);
    ASSERT_NE(PlayerWindow(), nullptr);
    RECT before{};
    GetWindowRect(PlayerWindow(), &before);

    // The first opening shows the appearance it has (0) and leaves a minimised player alone.
    ShowWindow(PlayerWindow(), SW_MINIMIZE);
    Open();
    EXPECT_TRUE(IsIconic(PlayerWindow()));
    ShowWindow(PlayerWindow(), SW_RESTORE);
    ClickItem(7, 3); // always hide
    EXPECT_FALSE(IsWindowVisible(PlayerWindow()));
    RECT parked{};
    GetWindowRect(PlayerWindow(), &parked);
    EXPECT_EQ(parked.left, -500);
    ClickItem(7, 0); // back where it was
    EXPECT_TRUE(IsWindowVisible(PlayerWindow()));
    RECT back{};
    GetWindowRect(PlayerWindow(), &back);
    EXPECT_EQ(back.left, before.left);
    EXPECT_EQ(Main().Options().PlayerWindowHandling, 0);

    ClickItem(8, 1); // time only: the player's window becomes smaller
    RECT small{};
    GetWindowRect(PlayerWindow(), &small);
    EXPECT_LT(small.right - small.left, before.right - before.left);
    EXPECT_EQ(Main().Options().PlayerAppearance, 1);

    // The chosen item clicked again is no change: a minimised player stays so, at its size.
    ShowWindow(PlayerWindow(), SW_MINIMIZE);
    WINDOWPLACEMENT minimised{sizeof minimised}, after{sizeof after};
    GetWindowPlacement(PlayerWindow(), &minimised);
    ClickItem(8, 1);
    GetWindowPlacement(PlayerWindow(), &after);
    EXPECT_TRUE(IsIconic(PlayerWindow()));
    EXPECT_TRUE(EqualRect(&minimised.rcNormalPosition, &after.rcNormalPosition));
}

TEST_F(SetupTest, ChangeAsksAtLeastOnceAndCancelKeepsAnExistingPlayer) {
    Open();
    const std::string old = Main().Options().PlayerExecutable;
    Click(Form2::IdButton1); // cancelled
    EXPECT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs.back().Title, "Please locate the Melvane3-executable");
    EXPECT_EQ(Main().Options().PlayerExecutable, old);

    programDir.Write("other.exe", "MZ");
    ui.FileAnswers.push_back(programDir.File("missing.exe"));
    ui.FileAnswers.push_back(programDir.File("other.exe"));
    Click(Form2::IdButton1);
    EXPECT_EQ(ui.Dialogs.size(), 3u); // a missing file asks again
    EXPECT_EQ(Main().Options().PlayerExecutable, programDir.File("other.exe"));
    EXPECT_EQ(WindowText(Dialog().Control(Form2::IdPanel1)), " " + programDir.File("other.exe"));
}

TEST_F(SetupTest, KeysTurnPagesAndClose) {
    Open();
    EXPECT_EQ(Dialog().PageShown(), 0);
    EXPECT_FALSE(IsWindowVisible(Dialog().Control(Form2::RadioItemId(7, 0))));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG ctrlTab{Dialog().Control(Form2::IdButton2), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(app->PreTranslate(ctrlTab));
    EXPECT_TRUE(app->PreTranslate(ctrlTab));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Dialog().PageShown(), 2);
    EXPECT_TRUE(IsWindowVisible(Dialog().Control(Form2::RadioItemId(7, 0))));

    MSG escape{Dialog().Control(Form2::IdButton2), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(app->PreTranslate(escape));
    EXPECT_FALSE(IsWindowVisible(Dialog().Handle()));
    Open(); // the page last shown stays
    EXPECT_EQ(Dialog().PageShown(), 2);
}

TEST_F(SetupTest, AboutHasTheFocusOnOkAndEnterGivesTheMainWindowBack) {
    Main().RunCommand(CmdAbout, 0);
    HWND about = app->About().Handle();
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
    EXPECT_EQ(GetFocus(), app->About().Control(IDOK));
    EXPECT_EQ(WindowText(app->About().Control(Form3::IdTitle)), "Tundeck v1.4");
    MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(app->PreTranslate(enter));
    EXPECT_FALSE(IsWindowVisible(about));
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
}

} // namespace
} // namespace tundeck
