// The play commands of the running main window, driving the stand-in player for real.
#include "support/main_window_fixture.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

using testing::TestTool;
using testing::WaitUntil;

HWND PlayerWindow() {
    return FindWindowA("Melvane Main Window", "Melvane3");
}

class PlayCommands : public testing::MainWindowTest {
protected:
    std::string log = programDir.File("player.log");
    std::vector<std::string> tracks;

    PlayCommands() {
        SetEnvironmentVariableA("TUNDECK_STANDIN_LOG", log.c_str());
        for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}) {
            tracks.push_back(programDir.File(name));
            programDir.Write(name, std::string("\xFF\xFB\x90\x64", 4) + std::string(16000, '\0'));
        }
        programDir.Write("tmplist.m3u", testing::CrLfLines(tracks));
    }

    ~PlayCommands() override {
        End();
        if (HWND player = PlayerWindow()) {
            PostMessageA(player, WM_CLOSE, 0, 0);
            WaitUntil([] { return PlayerWindow() == nullptr; });
        }
        SetEnvironmentVariableA("TUNDECK_STANDIN_LOG", nullptr);
    }

    bool LogHas(const std::string& line) {
        return WaitUntil(
            [&] { return testing::ReadWholeFile(log).find(line + "\r\n") != std::string::npos; });
    }

    static void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
};

TEST_F(PlayCommands, PlayAllAndTheTransportButtonsDriveThePlayer) {
    WriteSettings("TrueOrd=0\r\n");
    Start();
    ASSERT_EQ(Main().Tracks().Count(), 4);
    Click(Control(IdButton4));
    ASSERT_NE(PlayerWindow(), nullptr);
    EXPECT_TRUE(LogHas("list " + programDir.File("tmplist.m3u")));
    EXPECT_TRUE(LogHas("entry " + tracks[3]));
    Click(Control(IdBitBtn5));
    EXPECT_TRUE(LogHas("press Next 1"));
    Click(Control(IdBitBtn4));
    EXPECT_TRUE(LogHas("press Previous 0"));
    Click(Control(IdBitBtn2));
    EXPECT_TRUE(LogHas("press Stop 0"));
    Click(Control(IdBitBtn3));
    EXPECT_TRUE(LogHas("press Pause 0"));
    Click(Control(IdBitBtn1)); // the player runs: Play is pressed, nothing restarted
    EXPECT_TRUE(LogHas("press Play 0"));
    EXPECT_EQ(testing::ReadWholeFile(log).find("handoff"), std::string::npos);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PlayCommands, PlaySelectedWritesOnlyTheSelectedRows) {
    WriteSettings("");
    Start();
    Main().Tracks().SetSelected(1, true);
    Main().Tracks().SetSelected(3, true);
    Click(Control(IdButton5));
    EXPECT_TRUE(LogHas("entry " + tracks[3]));
    EXPECT_EQ(programDir.Read("tmplist.m3u"), tracks[1] + "\r\n" + tracks[3] + "\r\n");
}

TEST_F(PlayCommands, DoubleClickPlaysFromThePressedRowNumbered) {
    WriteSettings("TrueOrd=1\r\nDblMode=1\r\n");
    Start();
    HWND list = Control(IdListBox1);
    RECT row{};
    SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    const LPARAM point = MAKELPARAM(row.left + 5, row.top + 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(list, WM_LBUTTONUP, 0, point);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageA(list, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(Main().PressedIndex(), 2);
    // Numbered: the whole list, then Stop, two Next clicks and Play.
    EXPECT_TRUE(LogHas("list /l " + programDir.File("tmplist.m3u")));
    EXPECT_TRUE(LogHas("press Play 2"));
    const std::string written = testing::ReadWholeFile(log);
    EXPECT_LT(written.find("press Stop 0"), written.find("press Next 1"));
    EXPECT_LT(written.find("press Next 2"), written.find("press Play 2"));
}

TEST_F(PlayCommands, ClosingTheProgramClosesThePlayerWhenAsked) {
    WriteSettings("ShutWin=1\r\n");
    Start();
    Click(Control(IdButton4));
    ASSERT_NE(PlayerWindow(), nullptr);
    End();
    EXPECT_TRUE(LogHas("close"));
    EXPECT_TRUE(WaitUntil([] { return PlayerWindow() == nullptr; }));
}

TEST_F(PlayCommands, AMissingPlayerIsReportedAndNothingIsPressed) {
    Start();
    Main().Options().PlayerExecutable = programDir.File("no such player.exe");
    Click(Control(IdButton4));
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_NE(ui.Messages[0].Text.find(programDir.File("no such player.exe")), std::string::npos);
    EXPECT_EQ(ui.Messages[0].Caption, "Tundeck");
    EXPECT_EQ(PlayerWindow(), nullptr);
}

TEST_F(PlayCommands, APlayerThatStopsAnsweringIsToldOfAndPressedOnce) {
    SetEnvironmentVariableA("TUNDECK_STANDIN_HANG", "1"); // the player started below inherits it
    Start();
    Click(Control(IdButton4));
    SetEnvironmentVariableA("TUNDECK_STANDIN_HANG", nullptr);
    ASSERT_NE(PlayerWindow(), nullptr);
    Click(Control(IdBitBtn5)); // Next: a press the player never returns from; we do
    EXPECT_TRUE(LogHas("hang"));
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, NoAnswerText);
    const std::string logged = testing::ReadWholeFile(log);
    EXPECT_EQ(logged.find("hang"), logged.rfind("hang")); // pressed once, not again
    Click(Control(IdButton4)); // a second start: the hung player is told of, not placed or pressed
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1].Text, NoAnswerText);
    const ULONGLONG ending = GetTickCount64();
    End(); // the program ends without waiting for it
    EXPECT_LT(GetTickCount64() - ending, 10000u);
    DWORD process = 0;
    GetWindowThreadProcessId(PlayerWindow(), &process);
    HANDLE player = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
    TerminateProcess(player, 0);
    WaitForSingleObject(player, 5000);
    CloseHandle(player);
    WaitUntil([] { return PlayerWindow() == nullptr; });
}

} // namespace
} // namespace tundeck
