// Start-up and shut-down of a real run: the first run, cancelling it, the end of a session, and
// the command line as a real process receives it.
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tundeck {
namespace {

using testing::TestTool;
using testing::WaitUntil;

class StartUp : public testing::MainWindowTest {
protected:
    bool Exists(const char* name) { return std::filesystem::exists(programDir.Path() / name); }
};

TEST_F(StartUp, AFirstRunAsksForThePlayerAndShowsAboutAtItsFirstPaintOnce) {
    std::filesystem::remove(programDir.Path() / "tundeck.ini");
    ui.FileAnswers = {programDir.File("typed but missing.exe"), StandInPlayer()};
    Start({}, false);
    ASSERT_EQ(ui.Dialogs.size(), 2u); // a name of a missing file brings the dialog back
    EXPECT_EQ(ui.Dialogs[1].Title, "Please locate the Melvane3-executable");
    EXPECT_EQ(ui.Dialogs[1].Filter, "Executable (*.exe)|*.exe");
    EXPECT_EQ(ui.Dialogs[1].FileName, "Melvane3.exe");
    EXPECT_EQ(Main().Options().PlayerExecutable, StandInPlayer());
    HWND about = app->About().Handle();
    EXPECT_FALSE(IsWindowVisible(about));

    ShowWindow(Main().Handle(), SW_SHOW);
    UpdateWindow(Main().Handle());
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_TRUE(IsWindowEnabled(about));
    EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
    SendMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(about));
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
    RedrawWindow(Main().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(IsWindowVisible(about));
    End();
    EXPECT_TRUE(Exists("tundeck.ini"));
    EXPECT_TRUE(Exists("tmplist.m3u"));
}

TEST_F(StartUp, CancellingTheSearchForThePlayerEndsTheRunWritingNothing) {
    std::filesystem::remove(programDir.Path() / "tundeck.ini");
    Start({}, false);
    EXPECT_TRUE(Main().StartCancelled());
    EXPECT_EQ(app->Setup().Handle(), nullptr);
    End();
    EXPECT_FALSE(Exists("tundeck.ini"));
    EXPECT_FALSE(Exists("tmplist.m3u"));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(StartUp, TheEndOfTheSessionWritesThePlaylistAndTheSettings) {
    Start();
    Main().Tracks().AddTrack("C:\\x.mp3", -1, false);
    Main().Options().ShowFullPath = true;
    SendMessageA(Main().Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(programDir.Read("tmplist.m3u"), "C:\\x.mp3\r\n");
    EXPECT_NE(programDir.Read("tundeck.ini").find("FulPath=1\r\n"), std::string::npos);
}

TEST_F(StartUp, AMaximisedWindowStoresItsNormalPlaceAndSize) {
    Start();
    SetWindowPos(Main().Handle(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(Main().Handle(), SW_MAXIMIZE);
    End();
    EXPECT_NE(
        programDir.Read("tundeck.ini").find("WinPosX=40\r\nWinPosY=50\r\nWinSizX=575\r\nWinSizY=452\r\n"),
        std::string::npos);
}

TEST_F(StartUp, TheProgramStandsOnTheTaskbarUnderItsTitleAndMinimisesAsAWhole) {
    Start();
    HWND desktop = GetWindow(Main().Handle(), GW_OWNER);
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(desktop, GWLP_HWNDPARENT), 0);
    char title[32] = {};
    GetWindowTextA(desktop, title, sizeof title);
    EXPECT_STREQ(title, "Tundeck");
    app->Show(SW_SHOWNORMAL);
    EXPECT_TRUE(IsWindowVisible(desktop));
    EXPECT_TRUE(IsWindowVisible(Main().Handle()));
    SendMessageA(Main().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(desktop));
    EXPECT_FALSE(IsWindowVisible(Main().Handle()));
    ShowWindow(desktop, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(Main().Handle()));
    EXPECT_FALSE(IsIconic(Main().Handle()));
}

// Runs a copy of the program with exactly this command line, closes it once its window is up,
// and gives back the playlist it left.
class RealRun : public ::testing::Test {
protected:
    testing::TempDir programDir;

    RealRun() {
        std::filesystem::copy_file(TestTool("../tundeck.exe"), programDir.File("tundeck.exe"));
        programDir.Write("tundeck.ini", "MelvDir=" + TestTool("standin_player/standin_player.exe") +
                                            "\r\nAutoM3u=0\r\nRemembr=1\r\n");
        programDir.Write("tmplist.m3u", "C:\\remembered.mp3\r\n");
        std::filesystem::create_directory(programDir.Path() / "My Music");
        for (const char* name : {"a.mp3", "B.MP3", "My Music\\c.mp3"}) {
            programDir.Write(name, "x");
        }
    }

    std::string PlaylistAfterRun(const std::string& arguments) {
        std::string commandLine = "\"" + programDir.File("tundeck.exe") + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return "not started";
        }
        HWND window = nullptr;
        WaitUntil([&] { return (window = FindWindowA(nullptr, "Tundeck v1.4")) != nullptr; }, 30000);
        PostMessageA(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return programDir.Read("tmplist.m3u");
    }
};

TEST_F(RealRun, TheCommandLineJoinsWordsOrTakesSeveralFilesAndSkipsTheRememberedPlaylist) {
    const std::string dir = programDir.Directory();
    EXPECT_EQ(PlaylistAfterRun(""), "C:\\remembered.mp3\r\n");
    EXPECT_EQ(PlaylistAfterRun(dir + "notes.txt"), "");
    EXPECT_EQ(PlaylistAfterRun(dir + "My Music\\c.mp3"), dir + "My Music\\c.mp3\r\n");
    EXPECT_EQ(PlaylistAfterRun("\"" + dir + "a.mp3\" \"" + dir + "B.MP3\""),
              dir + "a.mp3\r\n" + dir + "B.MP3\r\n");
}

} // namespace
} // namespace tundeck
