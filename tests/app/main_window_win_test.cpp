// The main window as the user meets it: its controls, menu, tooltips, focus and file browser.
#include "app/commands.h"
#include "support/main_window_fixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tundeck {
namespace {

using testing::ListTexts;
using testing::TempDir;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ToolText(HWND tooltip, HWND owner, HWND control) {
    char text[256] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool)) >= 0 ? text : "";
}

class MainWindow : public testing::MainWindowTest {
protected:
    MainWindow() { Start(); }
    HWND Main() { return app->Main().Handle(); }
};

TEST_F(MainWindow, ControlsHaveTheirKindCaptionHintAndTabOrder) {
    HWND tooltip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    while (tooltip != nullptr && GetWindow(tooltip, GW_OWNER) != Main()) {
        tooltip = FindWindowExA(nullptr, tooltip, TOOLTIPS_CLASSA, nullptr);
    }
    ASSERT_NE(tooltip, nullptr);
    std::vector<const ControlSpec*> tabStops;
    for (const ControlSpec& info : MainControls()) {
        HWND control = Control(info.Id);
        ASSERT_NE(control, nullptr) << info.Name;
        EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) << info.Name;
        if (info.Kind == ControlKind::Button || info.Kind == ControlKind::Label || *info.Caption != '\0') {
            EXPECT_EQ(TextOf(control), info.Caption) << info.Name;
        }
        const std::string expectedHint = info.Id == IdButton7
                                             ? "Shuffle tracks.\r\nSelected tracks will be played first."
                                         : info.HintShown ? info.Hint
                                                          : "";
        EXPECT_EQ(ToolText(tooltip, Main(), control), expectedHint) << info.Name;
        if (info.TabOrder >= 0 && info.Kind != ControlKind::Splitter) {
            EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) << info.Name;
            tabStops.push_back(&info);
        }
    }
    EXPECT_EQ(ClassOf(Control(IdListBox1)), "ListBox");
    EXPECT_EQ(ClassOf(Control(IdUpDown1)), UPDOWN_CLASSA);
    EXPECT_EQ(ClassOf(Control(IdStatusBar1)), STATUSCLASSNAMEA);
    // Tab moves through the controls in the order of their windows.
    std::sort(tabStops.begin(), tabStops.end(), [](auto a, auto b) { return a->TabOrder < b->TabOrder; });
    HWND previous = nullptr;
    for (const ControlSpec* info : tabStops) {
        HWND control = Control(info->Id);
        if (previous != nullptr) {
            EXPECT_EQ(GetNextDlgTabItem(Main(), previous, FALSE), control) << info->Name;
        }
        previous = control;
    }
}

TEST_F(MainWindow, OpensWithFocusOnPlayAllAndItsStartTexts) {
    ShowWindow(Main(), SW_SHOW);
    SetForegroundWindow(Main());
    EXPECT_EQ(GetFocus(), Control(IdButton4));
    StatusPanels& bar = app->Main().Status();
    EXPECT_EQ(bar.Text(0), "");
    EXPECT_EQ(bar.Text(1), "Time:");
    EXPECT_EQ(bar.Text(2), "Sel. time: 0:00");
    EXPECT_EQ(bar.Text(3), "Total time: 0:00");
    EXPECT_EQ(SendMessageA(bar.Handle(), SB_GETPARTS, 0, 0), 4);
    int low = 1;
    int high = 0;
    SendMessageA(Control(IdUpDown1), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, -32768);
    EXPECT_EQ(high, 32767);
}

TEST_F(MainWindow, MenuHoldsItsItemsAndCtrlSSaves) {
    HMENU bar = GetMenu(Main());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    char text[64] = {};
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&File");
    GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Help");
    HMENU file = GetSubMenu(bar, 0);
    const char* const fileItems[] = {"&Options...", "&Save Playlist As...\tCtrl+S", "E&xit"};
    ASSERT_EQ(GetMenuItemCount(file), 3);
    for (int i = 0; i < 3; ++i) {
        GetMenuStringA(file, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, fileItems[i]);
    }
    GetMenuStringA(GetSubMenu(bar, 1), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About");

    MSG ctrlS{Main(), WM_KEYDOWN, 'S', 0, 0, {}};
    SHORT const pressed = static_cast<SHORT>(0x8000);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = static_cast<BYTE>(pressed >> 8);
    SetKeyboardState(keys);
    const bool translated = TranslateAcceleratorA(Main(), app->Main().Accelerators(), &ctrlS) != 0;
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(translated);
    ASSERT_EQ(ui.Dialogs.size(), 1u); // the save dialog was asked for, and cancelled
    EXPECT_EQ(ui.Dialogs[0].Title, "Enter filename for playlist");
}

TEST_F(MainWindow, BrowserShowsDirectoriesAndMatchingFilesSortedByName) {
    TempDir music;
    for (const char* name : {"b.mp3", "A.MP3", "c.m3u", "d.txt", "e.mp3x"}) {
        music.Write(name, "x");
    }
    music.Write("hidden.mp3", "x");
    SetFileAttributesA(music.File("hidden.mp3").c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::filesystem::create_directory(music.Path() / "Sub");
    std::filesystem::create_directory(music.Path() / "another");

    FileBrowser& browser = app->Main().Browser();
    ASSERT_TRUE(browser.ChangeDirectory(music.Path().string()));
    EXPECT_EQ(browser.Directory(), music.Path().string());
    EXPECT_EQ(browser.FileNames(), (std::vector<std::string>{"A.MP3", "b.mp3", "c.m3u"}));
    const std::vector<std::string> rows = ListTexts(Control(IdDirectoryListBox1));
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[rows.size() - 2], "another");
    EXPECT_EQ(rows.back(), "Sub");

    // The second filter shows every plain file.
    HWND filters = Control(IdFilterComboBox1);
    SendMessageA(filters, CB_SETCURSEL, 1, 0);
    SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(IdFilterComboBox1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(filters));
    EXPECT_EQ(browser.FileNames(), (std::vector<std::string>{"A.MP3", "b.mp3", "c.m3u", "d.txt", "e.mp3x"}));

    // Opening a directory row makes it current.
    HWND directories = Control(IdDirectoryListBox1);
    SendMessageA(directories, LB_SETCURSEL, static_cast<WPARAM>(rows.size() - 1), 0);
    SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(IdDirectoryListBox1, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(directories));
    EXPECT_EQ(browser.Directory(), (music.Path() / "Sub").string());
    EXPECT_EQ(testing::CurrentDirectory(), (music.Path() / "Sub").string());
    EXPECT_FALSE(browser.ChangeDirectory(music.File("missing")));
    EXPECT_EQ(browser.Directory(), (music.Path() / "Sub").string());
    SetCurrentDirectoryA(currentDirectory.Start().c_str()); // before the temporary directory goes
}

} // namespace
} // namespace tundeck
