// The desktop's own file dialog, driven as a user would: it must leave the current directory
// where it was, since the browser's bare file names rely on it.
#include "framework/interaction_win.h"
#include "support/test_tools.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

namespace tundeck {
namespace {

struct Answer {
    const char* title;
    std::string directory; // opened first, as a user browsing there would
    std::string fileName;
    int ticks = 0;
};
Answer* answer = nullptr; // what the timer types into the dialog

// Fires inside the dialog's own message loop: opens the directory, then types the name and
// presses Save; gives up after a while.
void CALLBACK TypeAnswer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA("#32770", answer->title);
    if (dialog == nullptr) {
        return;
    }
    if (++answer->ticks > 100) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    const std::string& typed = answer->ticks == 1 ? answer->directory : answer->fileName;
    SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(typed.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST(DesktopInteraction, SavingInAnotherDirectoryKeepsTheCurrentDirectory) {
    testing::TempDir current;
    testing::TempDir other;
    testing::CurrentDirectoryKeeper keeper; // goes first, before the directories
    ASSERT_TRUE(SetCurrentDirectoryA(current.Path().string().c_str()));
    Answer typed{"Save it somewhere", other.Path().string(), "list.m3u"};
    answer = &typed;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &TypeAnswer);
    DesktopInteraction ui;
    FileDialogOptions options;
    options.Title = typed.title;
    options.Filter = "Mp3-Playlist (*.m3u)|*.m3u";
    options.DefaultExtension = "m3u";
    const std::optional<std::string> chosen = ui.SaveFile(NoWindow, options);
    KillTimer(nullptr, timer);
    answer = nullptr;
    EXPECT_EQ(chosen, other.File("list.m3u"));
    EXPECT_EQ(testing::CurrentDirectory(), current.Path().string());
}

} // namespace
} // namespace tundeck
