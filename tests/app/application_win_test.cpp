// A real start and end of the program, in this process, with a program directory of the test's own.
#include "app/commands.h"
#include "support/main_window_fixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace tundeck {
namespace {

using testing::CurrentDirectory;

class ApplicationRun : public testing::MainWindowTest {
protected:
    std::string WrittenSettings() const { return programDir.Read("tundeck.ini"); }
};

TEST_F(ApplicationRun, CreatesFourWindowsAndWritesTheSettingsAtTheEnd) {
    {
        Start();
        char caption[64] = {};
        GetWindowTextA(app->Main().Handle(), caption, sizeof caption);
        EXPECT_STREQ(caption, "Tundeck v1.4");
        struct Dialog {
            DialogWindow& window;
            const char* title;
            SIZE client;
        };
        const Dialog dialogs[] = {{app->Setup(), "Tundeck Setup", {440, 372}},
                                  {app->About(), "About Tundeck", {434, 302}},
                                  {app->TagEditor(), "View/Edit ID3-Tag", {443, 411}}};
        for (const Dialog& dialog : dialogs) {
            HWND window = dialog.window.Handle();
            GetWindowTextA(window, caption, sizeof caption);
            EXPECT_STREQ(caption, dialog.title);
            EXPECT_FALSE(IsWindowVisible(window)) << dialog.title;
            EXPECT_FALSE(IsWindowEnabled(window)) << dialog.title;
            EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) &
                         (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
            RECT dialogClient{};
            RECT dialogOuter{};
            GetClientRect(window, &dialogClient);
            GetWindowRect(window, &dialogOuter);
            EXPECT_EQ(dialogClient.right, dialog.client.cx) << dialog.title;
            EXPECT_EQ(dialogClient.bottom, dialog.client.cy) << dialog.title;
            EXPECT_LE(std::abs(dialogOuter.left + dialogOuter.right - GetSystemMetrics(SM_CXSCREEN)), 1)
                << dialog.title;
        }
        RECT outer{};
        RECT client{};
        GetWindowRect(app->Main().Handle(), &outer);
        GetClientRect(app->Main().Handle(), &client);
        EXPECT_EQ(outer.left, 10);
        EXPECT_EQ(outer.top, 10);
        EXPECT_EQ(client.right, 575);
        EXPECT_EQ(client.bottom, 452);
        app->End();
        EXPECT_EQ(app->Main().Handle(), nullptr);
        End();
    }
    const std::string expected =
        "LastDir=" + CurrentDirectory() + "\r\nMelvDir=" + StandInPlayer() +
        "\r\nFulPath=0\r\nAutoRnd=1\r\nAutoM3u=1\r\nRemembr=1\r\n"
        "DragMov=0\r\nFileDrg=1\r\nTrueOrd=1\r\nShutWin=0\r\nRestWin=0\r\nGetRecu=1\r\n"
        "WinShow=0\r\nDblMode=1\r\nWinLook=0\r\nWinPosX=10\r\nWinPosY=10\r\n"
        "WinSizX=575\r\nWinSizY=452\r\nMelvn3X=100\r\nMelvn3Y=100\r\n"
        "HFactor=0.4556\r\nVFactor=0.3300\r\n\r\n"
        "Warning - be careful if you edit this file manually!!!\r\n";
    EXPECT_EQ(WrittenSettings(), expected);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(ApplicationRun, AppliesTheSettingsFileAtOnceAndWritesItBack) {
    std::filesystem::create_directory(programDir.Path() / "music");
    std::filesystem::create_directory(programDir.Path() / "Program Files");
    const std::string music = programDir.File("music");
    const std::string player = programDir.File("Program Files\\p.exe");
    programDir.Write("Program Files\\p.exe", "MZ");
    programDir.Write("tundeck.ini", "Junk line\r\nLastDir=" + music +
                                        "\r\nWinPosX=-20\r\nWinPosY=30\rWinSizX=600\r\nWinSizY=400\r\n"
                                        "MelvDir=" +
                                        player +
                                        "\r\nDblMode=258\r\nHFactor=0.123456\r\n"
                                        "winshow=3\r\nLastDir=C:\\no such directory\r\n");
    Start();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(app->Main().Browser().Directory(), music);
    EXPECT_EQ(app->Main().Options().PlayerExecutable, player);
    EXPECT_EQ(app->Main().Options().DoubleClickAction, 2);
    RECT outer{};
    RECT client{};
    GetWindowRect(app->Main().Handle(), &outer);
    GetClientRect(app->Main().Handle(), &client);
    EXPECT_EQ(outer.left, -20);
    EXPECT_EQ(outer.top, 30);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 400);
    app->End();
    const std::string written = WrittenSettings();
    EXPECT_NE(written.find("LastDir=" + music + "\r\nMelvDir=" + player + "\r\n"), std::string::npos);
    EXPECT_NE(written.find("DblMode=2\r\n"), std::string::npos);
    EXPECT_NE(written.find("WinShow=0\r\n"), std::string::npos);
    EXPECT_NE(written.find("WinPosX=-20\r\nWinPosY=30\r\nWinSizX=600\r\nWinSizY=400\r\n"), std::string::npos);
    EXPECT_NE(written.find("HFactor=0.1235\r\n"), std::string::npos);
    EXPECT_EQ(written.find("Junk"), std::string::npos);
}

TEST_F(ApplicationRun, MalformedIntegerShowsTheErrorBoxAndStopsReadingButKeepsThePlaylist) {
    programDir.Write("tundeck.ini", "FulPath=1\r\nWinPosX=-20\r\nWinShow=3x\r\nAutoRnd=0\r\n");
    programDir.Write("tmplist.m3u", "C:\\a.mp3\r\n");
    Start();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "'3x' is not a valid integer value.");
    EXPECT_EQ(ui.Messages[0].Caption, "Tundeck");
    EXPECT_EQ(ui.Messages[0].Flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(app->Main().Options().ShowFullPath);
    EXPECT_TRUE(app->Main().Options().AutoPlayAfterRandom);
    RECT outer{};
    GetWindowRect(app->Main().Handle(), &outer);
    EXPECT_EQ(outer.left, -20);
    EXPECT_NE(app->Setup().Handle(), nullptr); // the program goes on
    End();
    // Start-up never read the remembered playlist, so the end of the run leaves it alone.
    EXPECT_EQ(programDir.Read("tmplist.m3u"), "C:\\a.mp3\r\n");
}

TEST_F(ApplicationRun, AnyBytesInTheSettingsFileAreReadWithoutHarm) {
    using namespace std::string_literals;
    const std::string bytes = "FulPath=1\0\r\nMelvDir=a\0b\r\n"s + std::string(1 << 20, 'x') +
                              "\x1a\xff\xfe\r\r\n\n=\0\0\0HFactor="s;
    programDir.Write("tundeck.ini", bytes);
    Start();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_FALSE(app->Main().Options().ShowFullPath);
    EXPECT_EQ(ui.Dialogs.size(), 0u);
    // A name with a NUL in it names no file: the player was asked for again.
    EXPECT_EQ(app->Main().Options().PlayerExecutable, StandInPlayer());
}

TEST_F(ApplicationRun, FileExitEndsTheEventLoop) {
    Start();
    PostMessageA(app->Main().Handle(), WM_COMMAND, CmdExit, 0);
    app->Run();
    app->End();
    EXPECT_TRUE(std::filesystem::exists(programDir.Path() / "tundeck.ini"));
}

TEST_F(ApplicationRun, FailedSettingsWriteKeepsTheOldFileAndSaysSo) {
    // A directory where the settings file should be: it cannot be replaced.
    std::filesystem::remove(programDir.Path() / "tundeck.ini");
    std::filesystem::create_directory(programDir.Path() / "tundeck.ini");
    Start();
    End();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "File access denied.");
    EXPECT_TRUE(std::filesystem::is_directory(programDir.Path() / "tundeck.ini"));
    for (const auto& entry : std::filesystem::directory_iterator(programDir.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "tundeck.ini" || name == "tmplist.m3u") << name << " left behind";
    }
}

} // namespace
} // namespace tundeck
