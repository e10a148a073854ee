// The player protocol and the play commands on the real window manager, driving the stand-in player.
#include "player/play_commands.h"
#include "player/window_control_win.h"
#include "playlist/playlist_files_win.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/test_tools.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace tundeck {
namespace {

using testing::ReadWholeFile;
using testing::TempDir;
using testing::TestTool;
using Lines = std::vector<std::string>;

HWND StandInWindow() {
    return FindWindowA(PlayerWindowClass, PlayerWindowTitle);
}

BOOL CALLBACK CollectPlayerClass(HWND window, LPARAM found) {
    char name[64]{};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, PlayerWindowClass) == 0) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

// Top-level windows of the player's class, whatever their title.
std::vector<HWND> PlayerClassWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectPlayerClass, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The process behind a stand-in window, held so its end can be awaited.
class StandInProcess {
public:
    explicit StandInProcess(HWND window) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        handle_ = id != 0 ? OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id) : nullptr;
    }
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;
    ~StandInProcess() {
        if (handle_ != nullptr) {
            CloseHandle(handle_);
        }
    }

    bool Ended(DWORD milliseconds) const {
        return handle_ != nullptr && WaitForSingleObject(handle_, milliseconds) == WAIT_OBJECT_0;
    }
    void Terminate() const {
        if (handle_ != nullptr && TerminateProcess(handle_, 1)) {
            WaitForSingleObject(handle_, 5000);
        }
    }

private:
    HANDLE handle_ = nullptr;
};

// Asks every program with a window of the player's class to close and, should one not go, ends its
// process: no test leaves one behind.
void EndStandIns() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::vector<HWND> windows = PlayerClassWindows();
        if (windows.empty()) {
            return;
        }
        const StandInProcess process(windows.front());
        PostMessageA(windows.front(), WM_CLOSE, 0, 0);
        if (!process.Ended(5000)) {
            process.Terminate();
        }
    }
}

// The real seam, counting the pauses of the wait for the player's window so that its bound can be
// checked without a clock.
class CountingWindowControl final : public WindowControl {
public:
    std::atomic<int> Pauses = 0; // read by a sender thread in one test

    WindowHandle FindTopLevel(const std::string& className, const std::string& title) override {
        return real_.FindTopLevel(className, title);
    }
    WindowHandle FirstChild(WindowHandle parent) override { return real_.FirstChild(parent); }
    WindowHandle NextSibling(WindowHandle window) override { return real_.NextSibling(window); }
    bool SendAndWait(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
        return real_.SendAndWait(window, message, wParam, lParam);
    }
    bool Hangs(WindowHandle window) override { return real_.Hangs(window); }
    void Raise(WindowHandle window) override { real_.Raise(window); }
    void Show(WindowHandle window, int showCommand) override { real_.Show(window, showCommand); }
    WindowRect OuterRect(WindowHandle window) override { return real_.OuterRect(window); }
    void SetPosition(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                     std::uint32_t flags) override {
        real_.SetPosition(window, insertAfter, x, y, width, height, flags);
    }
    int StartProcess(const std::string& commandLine, int showCommand) override {
        return real_.StartProcess(commandLine, showCommand);
    }
    void Pause(std::chrono::milliseconds duration) override {
        ++Pauses;
        real_.Pause(duration);
    }

private:
    Win32WindowControl real_;
};

// Writes the real temporary playlist and keeps what the user would have been told.
class FilePlayHost final : public PlayHost {
public:
    explicit FilePlayHost(std::string path) : path_(std::move(path)) {}
    testing::ScriptedInteraction ui;

    std::string TempPlaylistPath() const override { return path_; }
    void WriteTempPlaylist(const Lines& paths) override { WritePlaylistFile(path_, paths); }
    UserInteraction& Ui() override { return ui; }
    WindowHandle Owner() const override { return NoWindow; }

private:
    std::string path_;
};

class StandInPlayerTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string log = dir.File("standin.log");
    // Blanks in both paths: the executable must be quoted, the playlist is read unquoted.
    std::string playlist = dir.File("Tun deck\\tmplist.m3u");
    CountingWindowControl windows;
    PlayerOptions settings;
    FilePlayHost host{playlist};
    PlayerControl player{windows, settings};
    Lines tracks;

    StandInPlayerTest() {
        EndStandIns();
        std::filesystem::create_directories(dir.Path() / "Tun deck");
        std::filesystem::create_directories(dir.Path() / "Player dir");
        settings.PlayerExecutable = dir.File("Player dir\\standin player.exe");
        CopyFileA(TestTool("standin_player/standin_player.exe").c_str(), settings.PlayerExecutable.c_str(),
                  FALSE);
        // What an unquoted executable path would start instead: "<dir>\Player" + ".exe".
        CopyFileA(TestTool("standin_player/wrong_title_player.exe").c_str(), dir.File("Player.exe").c_str(),
                  FALSE);
        SetEnvironmentVariableA("TUNDECK_STANDIN_LOG", log.c_str());
        for (const char* name : {"one.mp3", "two.mp3", "three.mp3", "four.mp3", "five.mp3"}) {
            tracks.push_back(dir.File(std::string("Music\\") + name));
        }
    }

    ~StandInPlayerTest() override {
        EndStandIns();
        SetEnvironmentVariableA("TUNDECK_STANDIN_LOG", nullptr);
    }

    // A newly started stand-in playing every track.
    void StartPlayer() {
        PlayAll(player, host, tracks);
        ASSERT_TRUE(host.ui.Messages.empty()) << host.ui.Messages.front().Text;
        ASSERT_NE(StandInWindow(), nullptr);
    }

    Lines LogLines() const {
        Lines lines;
        std::istringstream text(ReadWholeFile(log));
        for (std::string line; std::getline(text, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
        }
        return lines;
    }
    // What the stand-in logged after the first `count` lines.
    Lines LogSince(std::size_t count) const {
        const Lines lines = LogLines();
        return Lines(lines.begin() + static_cast<std::ptrdiff_t>(std::min(count, lines.size())), lines.end());
    }
    Lines EntryLines(std::size_t from) const {
        Lines lines;
        for (std::size_t i = from; i < tracks.size(); ++i) {
            lines.push_back("entry " + tracks[i]);
        }
        return lines;
    }

    static RECT Rect() {
        RECT rect{};
        GetWindowRect(StandInWindow(), &rect);
        return rect;
    }
    static bool Topmost() { return (GetWindowLongA(StandInWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    static bool Visible() { return IsWindowVisible(StandInWindow()) != FALSE; }
};

// Whether `upper` comes before `lower` in the stacking order of top-level windows.
bool Above(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower) {
            return true;
        }
    }
    return false;
}

void ExpectPlace(const RECT& rect, int left, int top, int width, int height) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
}

TEST_F(StandInPlayerTest, ButtonsArePressedByTheirChildPosition) {
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    const struct {
        PlayerButton button;
        int clicks;
        Lines logged;
    } presses[] = {
        {NextTrackButton, 2, {"press Next 1", "press Next 2"}},
        {PreviousTrackButton, 1, {"press Previous 1"}},
        {PauseButton, 1, {"press Pause 1"}},
        {StopButton, 1, {"press Stop 1"}},
        {PlayButton, 1, {"press Play 1"}},
        {NextTrackButton, 0, {}},
    };
    for (const auto& press : presses) {
        const std::size_t before = LogLines().size();
        // Each press sends synchronously, so the stand-in has logged it when the call returns.
        PressPlayerButton(player, press.button, press.clicks, false);
        EXPECT_EQ(LogSince(before), press.logged) << "button " << press.button;
    }
    EXPECT_TRUE(host.ui.Messages.empty());
}

TEST_F(StandInPlayerTest, UnderMode2APressRaisesThePlayer) {
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    // A window of ours, shown after the player and so above it.
    HWND cover = CreateWindowExA(0, "STATIC", "cover", WS_POPUP | WS_VISIBLE, 90, 90, 300, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(cover, nullptr);
    ASSERT_TRUE(Above(cover, StandInWindow()));
    PressPlayerButton(player, PauseButton, 1, false);
    EXPECT_TRUE(Above(cover, StandInWindow())) << "raised under mode 0";

    settings.PlayerWindowHandling = HandlingRaiseAtOperation;
    PressPlayerButton(player, PauseButton, 0, false);
    EXPECT_TRUE(Above(StandInWindow(), cover));
    DestroyWindow(cover);
}

TEST_F(StandInPlayerTest, EachAppearanceGivesItsMenuStateAndSize) {
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    const RECT start = Rect();
    ExpectPlace(start, start.left, start.top, 275, 153);
    const struct {
        std::int32_t appearance;
        bool menuShown;
        int width;
        int height;
        const char* toggle; // the stand-in's record of a double-click, if one is due
    } steps[] = {
        {2, false, 273, 112, "menu hidden 273x153"},
        {3, false, 221, 54, nullptr},
        {1, true, 223, 95, "menu shown 223x54"},
        {0, true, 275, 153, nullptr},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE("appearance " + std::to_string(step.appearance));
        const std::size_t before = LogLines().size();
        ApplyPlayerAppearance(player, step.appearance);
        EXPECT_EQ(LogSince(before), step.toggle != nullptr ? Lines{step.toggle} : Lines{});
        ExpectPlace(Rect(), start.left, start.top, step.width, step.height);
        EXPECT_EQ((GetWindowLongA(StandInWindow(), GWL_STYLE) & WS_CAPTION) == WS_CAPTION, step.menuShown);
        EXPECT_EQ(GetMenu(StandInWindow()) != nullptr, step.menuShown);
        EXPECT_TRUE(Visible());
        EXPECT_FALSE(Topmost());
    }
}

TEST_F(StandInPlayerTest, ANewPlayerIsSettledByTheHandlingMode) {
    for (std::uint8_t mode = 0; mode < 4; ++mode) {
        SCOPED_TRACE("handling " + std::to_string(mode));
        settings.PlayerWindowHandling = mode;
        ASSERT_NO_FATAL_FAILURE(StartPlayer());
        const bool hidden = mode == HandlingHide;
        EXPECT_EQ(Topmost(), mode == HandlingKeepOnTop);
        EXPECT_EQ(Visible(), !hidden);
        ExpectPlace(Rect(), hidden ? -500 : 100, hidden ? 200 : 100, 275, 153);
        EndStandIns();
    }
}

TEST_F(StandInPlayerTest, HidingParksTheWindowAndItComesBackToWhereItWas) {
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    SetWindowPos(StandInWindow(), nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    SetPlayerWindowHandling(player, HandlingHide);
    EXPECT_FALSE(Visible());
    ExpectPlace(Rect(), -500, 200, 275, 153);
    EXPECT_EQ(settings.SavedPlayerX, 150);
    EXPECT_EQ(settings.SavedPlayerY, 120);

    // A new appearance shows the window to resize it, then parks it again.
    ApplyPlayerAppearance(player, 3);
    EXPECT_FALSE(Visible());
    ExpectPlace(Rect(), -500, 200, 221, 54);

    SetPlayerWindowHandling(player, HandlingKeepOnTop);
    EXPECT_TRUE(Visible());
    EXPECT_TRUE(Topmost());
    ExpectPlace(Rect(), 150, 120, 221, 54);

    SetPlayerWindowHandling(player, HandlingRaiseAtOperation);
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Topmost());
    ExpectPlace(Rect(), 150, 120, 221, 54);

    // Adopting at start parks the window but keeps the position the settings hold.
    settings.PlayerWindowHandling = HandlingHide;
    settings.PlayerAppearance = 0;
    settings.SavedPlayerX = 30;
    AdoptPlayerWindow(player);
    EXPECT_FALSE(Visible());
    ExpectPlace(Rect(), -500, 200, 275, 153);
    EXPECT_EQ(settings.SavedPlayerX, 30);
}

TEST_F(StandInPlayerTest, NumberedPlayStepsToTheEntryAfterTheListIsLoaded) {
    settings.NumberAfterPlaylist = true;
    PlayFromIndex(player, host, tracks, 3, false);
    ASSERT_TRUE(host.ui.Messages.empty()) << host.ui.Messages.front().Text;
    Lines expected{"start /l " + playlist, "list /l " + playlist};
    const Lines entries = EntryLines(0);
    expected.insert(expected.end(), entries.begin(), entries.end());
    expected.insert(expected.end(),
                    {"press Stop 0", "press Next 1", "press Next 2", "press Next 3", "press Play 3"});
    EXPECT_EQ(LogLines(), expected);
    std::string written;
    for (const std::string& track : tracks) {
        written += track + "\r\n";
    }
    EXPECT_EQ(ReadWholeFile(playlist), written);
}

TEST_F(StandInPlayerTest, APlayWhileThePlayerRunsHandsTheListToIt) {
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    PressPlayerButton(player, NextTrackButton, 1, false);

    // WinExec returns only once the second start has handed its list over and ended, so the steps
    // to the entry are taken on the new list.
    settings.NumberAfterPlaylist = true;
    std::size_t before = LogLines().size();
    PlayFromIndex(player, host, tracks, 2, true);
    Lines expected{"handoff /l " + playlist, "list /l " + playlist};
    const Lines entries = EntryLines(0);
    expected.insert(expected.end(), entries.begin(), entries.end());
    expected.insert(expected.end(), {"press Stop 0", "press Next 1", "press Next 2", "press Play 2"});
    EXPECT_EQ(LogSince(before), expected);
    EXPECT_EQ(PlayerClassWindows().size(), 1u);

    // Hidden, the running player is restarted on the new list without being seen.
    SetPlayerWindowHandling(player, HandlingHide);
    before = LogLines().size();
    PlaySelected(player, host, tracks, {true, false, false, false, true});
    EXPECT_EQ(LogSince(before), (Lines{"handoff " + playlist, "list " + playlist, "entry " + tracks[0],
                                       "entry " + tracks[4], "press Stop 0", "press Play 0"}));
    EXPECT_FALSE(Visible());
    ExpectPlace(Rect(), -500, 200, 275, 153);
    EXPECT_EQ(ReadWholeFile(playlist), tracks[0] + "\r\n" + tracks[4] + "\r\n");
    EXPECT_EQ(PlayerClassWindows().size(), 1u);
    EXPECT_TRUE(host.ui.Messages.empty());
}

TEST_F(StandInPlayerTest, WithoutThePlayerNothingHappensAndNothingIsShown) {
    settings.PlayerWindowHandling = HandlingRaiseAtOperation;
    for (const TransportButton& button : TransportButtons) {
        PressPlayerButton(player, button.Button, 1, false);
    }
    TransportPlay(player, host, {}); // Play All of an empty playlist starts nothing
    ApplyPlayerAppearance(player, 2);
    AdoptPlayerWindow(player);
    SetPlayerWindowHandling(player, HandlingHide);
    ReleasePlayerWindow(player);

    EXPECT_EQ(StandInWindow(), nullptr);
    EXPECT_EQ(player.PlayerWindow, NoWindow);
    EXPECT_TRUE(host.ui.Messages.empty());
    EXPECT_FALSE(std::filesystem::exists(log));
    EXPECT_FALSE(std::filesystem::exists(playlist));
    EXPECT_EQ(settings.PlayerWindowHandling, HandlingHide); // stored for the next start all the same
    EXPECT_EQ(settings.SavedPlayerX, 100);
}

TEST_F(StandInPlayerTest, ReleaseWithCloseAtExitShowsThePlayerAgainThenClosesIt) {
    settings.PlayerWindowHandling = HandlingHide;
    settings.PlayerAppearance = 2;
    settings.ClosePlayerAtExit = true;
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    ASSERT_FALSE(Visible());
    const StandInProcess process(StandInWindow());
    const std::size_t before = LogLines().size();
    ReleasePlayerWindow(player);
    EXPECT_EQ(LogSince(before), (Lines{"menu shown 275x112", "close"}));
    EXPECT_TRUE(process.Ended(10000));
    EXPECT_EQ(StandInWindow(), nullptr);
    EXPECT_EQ(settings.PlayerWindowHandling, HandlingDontInterfere);
}

TEST_F(StandInPlayerTest, ReleaseWithoutClosingReturnsThePlayerToItsSavedPlace) {
    settings.PlayerWindowHandling = HandlingHide;
    settings.PlayerAppearance = 3;
    settings.SavedPlayerX = 160;
    settings.SavedPlayerY = 140;
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    ASSERT_FALSE(Visible());

    // Handed back with everything shown, then dressed as configured again.
    std::size_t before = LogLines().size();
    ReleasePlayerWindow(player);
    EXPECT_EQ(LogSince(before), (Lines{"menu shown 223x54", "menu hidden 273x153"}));
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Topmost());
    ExpectPlace(Rect(), 160, 140, 221, 54);
    EXPECT_EQ(settings.PlayerWindowHandling, HandlingDontInterfere);

    settings.RestorePlayerAtExit = true;
    before = LogLines().size();
    ReleasePlayerWindow(player);
    EXPECT_EQ(LogSince(before), Lines{"menu shown 223x54"});
    ExpectPlace(Rect(), 160, 140, 275, 153);
    EXPECT_NE(GetMenu(StandInWindow()), nullptr);
}

TEST_F(StandInPlayerTest, AStartWithoutAPlayerWindowEndsWithAMessageNamingTheProgram) {
    // A failed start while the player runs: it is settled all the same (here hidden) and the user
    // told after; numbered play steps nowhere, the player keeping its old list.
    ASSERT_NO_FATAL_FAILURE(StartPlayer());
    settings.PlayerExecutable = dir.File("Player dir\\no such player.exe");
    settings.PlayerWindowHandling = HandlingHide;
    settings.NumberAfterPlaylist = true;
    const std::size_t logged = LogLines().size();
    PlayFromIndex(player, host, tracks, 2, true);
    EXPECT_FALSE(Visible());
    ExpectPlace(Rect(), -500, 200, 275, 153);
    const Lines presses = LogSince(logged);
    EXPECT_EQ(std::count(presses.begin(), presses.end(), "press Next 1"), 0);
    ASSERT_EQ(host.ui.Messages.size(), 1u);
    EXPECT_NE(host.ui.Messages[0].Text.find("Could not start"), std::string::npos);
    EndStandIns();
    host.ui.Messages.clear();
    settings.PlayerWindowHandling = HandlingDontInterfere;
    windows.Pauses = 0;

    // WinExec fails: the user is told at once.
    settings.PlayerExecutable = dir.File("Player dir\\no such player.exe");
    settings.NumberAfterPlaylist = true;
    PlayFromIndex(player, host, tracks, 2, true);
    ASSERT_EQ(host.ui.Messages.size(), 1u);
    EXPECT_NE(host.ui.Messages[0].Text.find(settings.PlayerExecutable), std::string::npos)
        << host.ui.Messages[0].Text;
    EXPECT_EQ(windows.Pauses, 0);

    // A program that hangs while it starts, never opening the player's window: the start does not
    // wait for it, the wait gives up at its bound. Meanwhile messages that others send us are
    // answered, so a player that sends to us while it starts does not hang.
    HWND ours = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    std::atomic<bool> answered = false;
    std::thread sender([&] {
        while (windows.Pauses == 0) {
            std::this_thread::yield(); // the start itself may answer sent messages; the wait must too
        }
        DWORD_PTR ignored = 0;
        answered = SendMessageTimeoutA(ours, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored) != 0;
    });
    settings.PlayerExecutable = TestTool("standin_player/wrong_title_player.exe");
    SetEnvironmentVariableA("TUNDECK_STANDIN_STALL", "1");
    const ULONGLONG began = GetTickCount64();
    PlayAll(player, host, tracks);
    // A bound on a hang, not a speed: starting as WinExec does would add up to 30 s of its own.
    EXPECT_LT(GetTickCount64() - began, 20000u);
    SetEnvironmentVariableA("TUNDECK_STANDIN_STALL", nullptr);
    EXPECT_EQ(PlayerClassWindows().size(), 1u);
    for (HWND stalled : PlayerClassWindows()) {
        StandInProcess(stalled).Terminate();
    }
    EXPECT_TRUE(answered);
    sender.join();
    DestroyWindow(ours);
    ASSERT_EQ(host.ui.Messages.size(), 2u);
    EXPECT_NE(host.ui.Messages[1].Text.find(settings.PlayerExecutable), std::string::npos)
        << host.ui.Messages[1].Text;
    EXPECT_EQ(windows.Pauses, static_cast<int>(PlayerWaitLimit / PlayerLookupPause));
    EXPECT_EQ(player.PlayerWindow, NoWindow);
}

} // namespace
} // namespace tundeck
