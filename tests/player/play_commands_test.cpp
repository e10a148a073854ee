#include "framework/error.h"
#include "player/play_commands.h"
#include "recording_window_control.h"
#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

using Lines = std::vector<std::string>;

struct RecordingHost : PlayHost {
    std::vector<Lines> written;
    testing::ScriptedInteraction ui;
    bool writeFails = false;

    std::string TempPlaylistPath() const override { return "C:\\Tun deck\\tmplist.m3u"; }
    void WriteTempPlaylist(const Lines& paths) override {
        if (writeFails) {
            throw Error("Disk full");
        }
        written.push_back(paths);
    }
    UserInteraction& Ui() override { return ui; }
    WindowHandle Owner() const override { return 42; }
};

constexpr const char* Plain = "exec \"C:\\Program Files\\Melvane3.exe\" C:\\Tun deck\\tmplist.m3u show";
constexpr const char* Numbered = "exec \"C:\\Program Files\\Melvane3.exe\" /l C:\\Tun deck\\tmplist.m3u show";

class PlayCommandsTest : public ::testing::Test {
protected:
    RecordingWindowControl windows;
    PlayerOptions settings;
    RecordingHost host;
    PlayerControl player{windows, settings};
    Lines tracks;

    PlayCommandsTest() {
        settings.PlayerExecutable = "C:\\Program Files\\Melvane3.exe";
        for (int i = 0; i < 10; ++i) {
            tracks.push_back("D:\\t" + std::to_string(i) + ".mp3");
        }
    }

    // The mouse messages the player's buttons received, in order.
    Lines Clicks() const {
        Lines clicks;
        for (const std::string& call : windows.Calls) {
            if (call.rfind("send child", 0) == 0) {
                clicks.push_back(call.substr(5));
            }
        }
        return clicks;
    }
};

TEST_F(PlayCommandsTest, CommandLinesQuoteOnlyTheExecutable) {
    EXPECT_EQ(PlainCommandLine("C:\\Program Files\\M3.exe", "C:\\a b\\tmplist.m3u"),
              "\"C:\\Program Files\\M3.exe\" C:\\a b\\tmplist.m3u");
    EXPECT_EQ(NumberedCommandLine("C:\\M3.exe", "C:\\a b\\tmplist.m3u"),
              "\"C:\\M3.exe\" /l C:\\a b\\tmplist.m3u");
}

TEST_F(PlayCommandsTest, LaunchWaitsForANewPlayerAndSettlesIt) {
    settings.PlayerWindowHandling = HandlingKeepOnTop;
    windows.LookupsBeforeWindow = 2;
    EXPECT_TRUE(LaunchPlayer(player, host, "cmd"));
    EXPECT_EQ(windows.Calls,
              (Lines{"find", "exec cmd show", "find", "pause 50", "find", "pause 50", "find",
                     "setpos player topmost 0,0 0x0 nomove nosize show", "find", "show player restore",
                     "rect player", "setpos player topmost 100,100 275x153"}));
    EXPECT_TRUE(host.ui.Messages.empty());
}

TEST_F(PlayCommandsTest, LaunchUnderMode3WithThePlayerRunningRestartsItOutOfSight) {
    settings.PlayerWindowHandling = HandlingHide;
    const WindowHandle handle = windows.AddPlayer({-500, 200, -225, 353});
    windows.At(handle).Visible = false;
    EXPECT_TRUE(LaunchPlayer(player, host, "cmd"));
    EXPECT_EQ(windows.Calls,
              (Lines{"find", "exec cmd show", "find", "child player", "next child0", "send child1 down",
                     "send child1 up", "show player hide", "child player", "send child0 down",
                     "send child0 up", "find", "show player restore", "rect player",
                     "setpos player notopmost -500,200 275x153", "show player hide"}));
    EXPECT_FALSE(windows.At(handle).Visible);
}

TEST_F(PlayCommandsTest, LaunchEndsWithAMessageWhenThePlayerDoesNotComeUp) {
    windows.StartResult = 2;
    EXPECT_FALSE(LaunchPlayer(player, host, "cmd"));
    EXPECT_EQ(windows.Calls, (Lines{"find", "exec cmd show"}));
    ASSERT_EQ(host.ui.Messages.size(), 1u);
    EXPECT_NE(host.ui.Messages[0].Text.find("\"C:\\Program Files\\Melvane3.exe\""), std::string::npos);

    // A start that never shows the window: looked up until the limit, then given up.
    windows.Calls.clear();
    windows.StartResult = 33;
    windows.StartOpensPlayer = false;
    settings.NumberAfterPlaylist = true;
    PlayFromIndex(player, host, tracks, 3, true);
    EXPECT_EQ(windows.Paused, PlayerWaitLimit);
    EXPECT_EQ(windows.Count("find"), windows.Count("pause 50") + 2);
    EXPECT_EQ(windows.Calls.back(), "find");
    ASSERT_EQ(host.ui.Messages.size(), 2u);
    EXPECT_NE(host.ui.Messages[1].Text.find("Melvane3.exe"), std::string::npos);

    // The start fails while the player runs: it is settled as after any start, then the failure
    // is told, and numbered play presses nothing.
    windows.Calls.clear();
    windows.StartResult = 2;
    settings.PlayerWindowHandling = HandlingKeepOnTop;
    windows.AddPlayer({0, 0, 275, 153});
    PlayFromIndex(player, host, tracks, 3, true);
    EXPECT_EQ(windows.Calls,
              (Lines{"find", Numbered, "find", "setpos player topmost 0,0 0x0 nomove nosize show", "find",
                     "show player restore", "rect player", "setpos player topmost 0,0 275x153"}));
    ASSERT_EQ(host.ui.Messages.size(), 3u);
    EXPECT_NE(host.ui.Messages[2].Text.find("error 2"), std::string::npos);
}

TEST_F(PlayCommandsTest, NumberedPlayStepsThePlayerToTheEntry) {
    struct Case {
        int index;
        Lines clicks;
    };
    const Case cases[] = {
        {3,
         {"child1 down", "child1 up", "child4 down", "child4 up", "child4 down", "child4 up", "child4 down",
          "child4 up", "child0 down", "child0 up"}},
        {0, {"child1 down", "child1 up", "child0 down", "child0 up"}},
    };
    for (const Case& c : cases) {
        for (const bool withFollowing : {true, false}) {
            windows.Calls.clear();
            host.written.clear();
            PlayFromIndex(player, host, tracks, c.index, withFollowing);
            EXPECT_EQ(host.written, std::vector<Lines>{tracks});
            EXPECT_EQ(windows.Calls[1], Numbered);
            EXPECT_EQ(Clicks(), c.clicks) << c.index;
        }
    }
}

TEST_F(PlayCommandsTest, NumberedPlayStopsPressingAPlayerThatStopsAnswering) {
    settings.NumberAfterPlaylist = true;
    PlayFromIndex(player, host, tracks, 0, true);                           // starts the player
    windows.At(windows.FirstChild(player.PlayerWindow)).Responsive = false; // Play no longer answers
    windows.Calls.clear();
    PlayFromIndex(player, host, tracks, 2, true);
    EXPECT_EQ(Clicks(), (Lines{"child1 down", "child1 up", "child4 down", "child4 up", "child4 down",
                               "child4 up", "child0 down lost"}));
    ASSERT_EQ(host.ui.Messages.size(), 1u);
    EXPECT_EQ(host.ui.Messages[0].Text, NoAnswerText);
}

// A hung process answers on none of its windows; its windows are left as they are.
TEST_F(PlayCommandsTest, APlayerThatHangsWhileItIsSettledIsToldOfAndPressedNoFurther) {
    for (const std::uint8_t handling : {HandlingHide, HandlingDontInterfere}) {
        RecordingWindowControl hung;
        PlayerControl control{hung, settings};
        settings.PlayerWindowHandling = handling;
        for (WindowHandle window = hung.AddPlayer({0, 0, 275, 116}); window <= 6; ++window) {
            hung.At(window).Responsive = false;
        }
        host.ui.Messages.clear();
        PlayAll(control, host, tracks);
        const auto sends = std::count_if(hung.Calls.begin(), hung.Calls.end(),
                                         [](const std::string& call) { return call.rfind("send", 0) == 0; });
        EXPECT_LE(sends, 1) << int{handling}; // the first lost message is the last
        ASSERT_EQ(host.ui.Messages.size(), 1u) << int{handling};
        EXPECT_EQ(host.ui.Messages[0].Text, NoAnswerText);
    }
}

TEST_F(PlayCommandsTest, PlainPlayWritesFromTheEntryOnOrItAlone) {
    settings.NumberAfterPlaylist = false;
    PlayFromIndex(player, host, tracks, 3, true);
    PlayFromIndex(player, host, tracks, 9, false);
    EXPECT_EQ(host.written, (std::vector<Lines>{Lines(tracks.begin() + 3, tracks.end()), {tracks[9]}}));
    EXPECT_EQ(windows.Count(Plain), 2u);
    EXPECT_TRUE(Clicks().empty());

    // No row under the mouse.
    for (const int index : {-1, 10}) {
        PlayFromIndex(player, host, tracks, index, true);
    }
    EXPECT_EQ(host.written.size(), 2u);
}

TEST_F(PlayCommandsTest, PlayAllAndPlaySelectedIgnoreNumbering) {
    PlayAll(player, host, {});
    EXPECT_TRUE(host.written.empty());
    EXPECT_TRUE(windows.Calls.empty());

    PlayAll(player, host, tracks);
    PlaySelected(player, host, tracks, {false, true, false, true});
    PlaySelected(player, host, tracks, {});
    PlayFile(player, host, "song.mp3");
    EXPECT_EQ(host.written, (std::vector<Lines>{tracks, {tracks[1], tracks[3]}, {}, {"song.mp3"}}));
    EXPECT_EQ(windows.Count(Plain), 4u);
    EXPECT_TRUE(Clicks().empty());
}

TEST_F(PlayCommandsTest, DoubleClickFollowsTheConfiguredAction) {
    struct Case {
        std::uint8_t action;
        bool numbered;
        int pressed;
        std::size_t lines; // written to the playlist, 0 if nothing was played
        bool removes;
    };
    const Case cases[] = {
        {1, false, 3, 7, false}, {2, false, 3, 1, false}, {2, true, 3, 10, false}, {1, false, -1, 0, false},
        {3, false, -1, 0, true}, {0, false, 3, 0, false}, {4, true, 3, 0, false},
    };
    for (const Case& c : cases) {
        RecordingHost fresh;
        settings.DoubleClickAction = c.action;
        settings.NumberAfterPlaylist = c.numbered;
        bool removed = false;
        PlaylistDoubleClick(player, fresh, tracks, c.pressed, [&] { removed = true; });
        EXPECT_EQ(fresh.written.empty() ? 0 : fresh.written[0].size(), c.lines) << int{c.action};
        EXPECT_EQ(removed, c.removes) << int{c.action};
    }
}

TEST_F(PlayCommandsTest, TransportPlayPressesPlayOrPlaysAll) {
    TransportPlay(player, host, tracks);
    EXPECT_EQ(host.written, std::vector<Lines>{tracks});
    EXPECT_EQ(windows.Count(Plain), 1u);

    windows.Calls.clear();
    TransportPlay(player, host, tracks);
    EXPECT_EQ(windows.Calls, (Lines{"find", "child player", "send child0 down", "send child0 up"}));
    EXPECT_EQ(host.written.size(), 1u);
}

TEST_F(PlayCommandsTest, AFailedWriteStartsNothing) {
    host.writeFails = true;
    EXPECT_THROW(PlayAll(player, host, tracks), Error);
    EXPECT_THROW(PlayFromIndex(player, host, tracks, 2, true), Error);
    EXPECT_TRUE(windows.Calls.empty());
}

} // namespace
} // namespace tundeck
