#include "player/player_window.h"
#include "recording_window_control.h"

#include <gtest/gtest.h>

#include <functional>

namespace tundeck {
namespace {

using Calls = std::vector<std::string>;

class PlayerWindowTest : public ::testing::Test {
protected:
    RecordingWindowControl windows;
    PlayerOptions settings;
    PlayerControl player{windows, settings};

    // A player at (40, 30), found before the call under test.
    WindowHandle StartPlayer(int width = 275, int height = 153) {
        const WindowHandle handle = windows.AddPlayer({40, 30, 40 + width, 30 + height});
        player.PlayerWindow = handle;
        return handle;
    }
};

TEST_F(PlayerWindowTest, WithoutAPlayerEveryOperationStopsAfterTheLookup) {
    settings.PlayerWindowHandling = HandlingRaiseAtOperation;
    const std::function<void()> operations[] = {
        [&] { PressPlayerButton(player, NextTrackButton, 2, false); },
        [&] { ApplyPlayerAppearance(player, 2); },
        [&] { AdoptPlayerWindow(player); },
        [&] { ReleasePlayerWindow(player); },
        [&] { SetPlayerWindowHandling(player, HandlingHide); },
    };
    for (const auto& operation : operations) {
        windows.Calls.clear();
        operation();
        EXPECT_EQ(windows.Calls, Calls{"find"});
    }
    EXPECT_EQ(settings.PlayerWindowHandling, HandlingHide);
    EXPECT_EQ(settings.SavedPlayerX, 100);
}

TEST_F(PlayerWindowTest, PressClicksTheChildAtThePositionAndRaisesUnderMode2) {
    struct Case {
        int position;
        int clicks;
        std::uint8_t handling;
        bool handleIsCurrent;
        Calls expected;
    };
    const Case cases[] = {
        {NextTrackButton,
         2,
         HandlingDontInterfere,
         false,
         {"find", "child player", "next child0", "next child1", "next child2", "next child3",
          "send child4 down", "send child4 up", "send child4 down", "send child4 up"}},
        {PauseButton,
         0,
         HandlingRaiseAtOperation,
         true,
         {"child player", "next child0", "next child1", "raise player"}},
        {-3, 1, HandlingKeepOnTop, true, {"child player", "send child0 down", "send child0 up"}},
        // Beyond the last child nothing is clicked, but the window is still raised.
        {7,
         1,
         HandlingRaiseAtOperation,
         true,
         {"child player", "next child0", "next child1", "next child2", "next child3", "next child4",
          "raise player"}},
    };
    StartPlayer();
    for (const Case& c : cases) {
        windows.Calls.clear();
        settings.PlayerWindowHandling = c.handling;
        PressPlayerButton(player, c.position, c.clicks, c.handleIsCurrent);
        EXPECT_EQ(windows.Calls, c.expected) << "position " << c.position;
    }
}

TEST_F(PlayerWindowTest, PressGivesUpTheClicksWhenThePlayerStopsAnswering) {
    StartPlayer();
    settings.PlayerWindowHandling = HandlingRaiseAtOperation;
    windows.At(windows.FirstChild(player.PlayerWindow)).Responsive = false;
    windows.Calls.clear();
    PressPlayerButton(player, PlayButton, 5, true);
    EXPECT_EQ(windows.Calls, (Calls{"child player", "send child0 down lost", "raise player"}));
}

TEST_F(PlayerWindowTest, AppearanceTogglesTheMenuOnlyOnARecognisedWidthAndSetsTheSize) {
    struct Case {
        std::int32_t appearance;
        int width;
        bool toggles;
        int targetWidth;
        int targetHeight;
    };
    const Case cases[] = {
        {2, 275, true, 273, 112}, {2, 273, false, 273, 112}, {2, 300, false, 273, 112},
        {1, 221, true, 223, 95},  {0, 275, false, 275, 153}, {3, 223, true, 221, 54},
        {7, 275, true, 221, 54},  {-4, 273, true, 223, 95},  {0, 221, true, 275, 153},
    };
    for (const Case& c : cases) {
        RecordingWindowControl fresh;
        PlayerControl other{fresh, settings};
        const WindowHandle handle = fresh.AddPlayer({40, 30, 40 + c.width, 130});
        ApplyPlayerAppearance(other, c.appearance);
        const std::string size = std::to_string(c.targetWidth) + "x" + std::to_string(c.targetHeight);
        Calls expected{"find", "show player restore", "rect player"};
        if (c.toggles) {
            expected.push_back("send player dblclk");
        }
        expected.push_back("setpos player notopmost 40,30 " + size);
        EXPECT_EQ(fresh.Calls, expected) << c.appearance << " at width " << c.width;
        EXPECT_TRUE(fresh.At(handle).Visible);
    }
}

TEST_F(PlayerWindowTest, WindowHandlingActsOnlyUnderModes1And3) {
    const Calls expected[] = {
        {},
        {"setpos player topmost 0,0 0x0 nomove nosize show"},
        {},
        {"setpos player notopmost -500,200 0x0 nosize", "show player hide"},
    };
    StartPlayer();
    for (std::uint8_t mode = 0; mode < 4; ++mode) {
        windows.Calls.clear();
        settings.PlayerWindowHandling = mode;
        ApplyWindowHandling(player);
        EXPECT_EQ(windows.Calls, expected[mode]) << int{mode};
    }
}

TEST_F(PlayerWindowTest, SwitchingModesMovesThePlayerFromOldToNew) {
    struct Case {
        std::uint8_t from;
        std::uint8_t to;
        Calls expected;
    };
    const Calls fromHiding = {"show player restore", "setpos player notopmost 7,9 0x0 nosize",
                              "show player show"};
    const Case cases[] = {
        {3, 1, {"show player restore", "setpos player topmost 7,9 0x0 nosize", "show player show"}},
        {3, 0, fromHiding},
        {3, 2, fromHiding},
        {1, 0, {"setpos player notopmost 0,0 0x0 nomove nosize show"}},
        {2, 1, {"setpos player topmost 0,0 0x0 nomove nosize show"}},
        {1, 1, {}},
        {3, 3, {}},
    };
    for (const Case& c : cases) {
        RecordingWindowControl fresh;
        PlayerOptions options;
        options.SavedPlayerX = 7;
        options.SavedPlayerY = 9;
        options.PlayerWindowHandling = c.from;
        PlayerControl other{fresh, options};
        fresh.AddPlayer({40, 30, 315, 183});
        SetPlayerWindowHandling(other, c.to);
        Calls expected{"find"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(fresh.Calls, expected) << int{c.from} << " to " << int{c.to};
        EXPECT_EQ(options.PlayerWindowHandling, c.to);
    }
}

TEST_F(PlayerWindowTest, EnteringHidingRemembersWhereTheWindowWas) {
    const WindowHandle handle = StartPlayer();
    SetPlayerWindowHandling(player, HandlingHide);
    EXPECT_EQ(windows.Calls, (Calls{"find", "show player restore", "rect player",
                                    "setpos player notopmost -500,200 0x0 nosize", "show player hide"}));
    EXPECT_EQ(settings.SavedPlayerX, 40);
    EXPECT_EQ(settings.SavedPlayerY, 30);

    SetPlayerWindowHandling(player, HandlingKeepOnTop);
    const auto& window = windows.At(handle);
    EXPECT_EQ(window.Rect.Left, 40);
    EXPECT_EQ(window.Rect.Top, 30);
    EXPECT_TRUE(window.Visible);
    EXPECT_TRUE(window.Topmost);
}

TEST_F(PlayerWindowTest, AdoptingUnderMode3ParksWithoutRememberingThePosition) {
    const WindowHandle handle = StartPlayer();
    settings.PlayerWindowHandling = HandlingHide;
    settings.PlayerAppearance = 3;
    AdoptPlayerWindow(player);
    EXPECT_EQ(windows.Calls, (Calls{"find", "setpos player notopmost -500,200 0x0 nosize", "show player hide",
                                    "find", "show player restore", "rect player", "send player dblclk",
                                    "setpos player notopmost -500,200 221x54", "show player hide"}));
    EXPECT_EQ(settings.SavedPlayerX, 100);
    EXPECT_EQ(windows.Width(handle), 221);
    EXPECT_FALSE(windows.At(handle).Visible);
}

TEST_F(PlayerWindowTest, ReleasingAHiddenPlayerBringsItBackThenClosesIt) {
    const WindowHandle handle = StartPlayer(273, 112);
    settings.PlayerWindowHandling = HandlingHide;
    settings.SavedPlayerX = 7;
    settings.SavedPlayerY = 9;
    settings.ClosePlayerAtExit = true;
    ReleasePlayerWindow(player);
    EXPECT_EQ(windows.Calls,
              (Calls{"find", "find", "show player restore", "rect player", "send player dblclk",
                     "setpos player notopmost -500,200 275x153", "show player hide", "show player restore",
                     "setpos player notopmost 7,9 0x0 nosize", "show player show", "send player close"}));
    EXPECT_FALSE(windows.At(handle).Open);
    EXPECT_EQ(settings.PlayerWindowHandling, HandlingDontInterfere);
}

TEST_F(PlayerWindowTest, ReleasingDressesTheWindowAgainUnlessRestoreIsSet) {
    for (const bool restore : {false, true}) {
        RecordingWindowControl fresh;
        PlayerOptions options;
        options.PlayerWindowHandling = HandlingKeepOnTop;
        options.PlayerAppearance = 2;
        options.RestorePlayerAtExit = restore;
        PlayerControl other{fresh, options};
        const WindowHandle handle = fresh.AddPlayer({40, 30, 313, 142});
        ReleasePlayerWindow(other);
        EXPECT_EQ(fresh.Count("setpos player topmost 40,30 275x153"), 1u);
        EXPECT_EQ(fresh.Count("setpos player notopmost 0,0 0x0 nomove nosize show"), 1u);
        EXPECT_EQ(fresh.Calls.back(), restore ? "show player show" : "setpos player notopmost 40,30 273x112");
        EXPECT_EQ(fresh.Width(handle), restore ? 275 : 273);
        EXPECT_FALSE(fresh.At(handle).Topmost);
        EXPECT_TRUE(fresh.At(handle).Open);
    }
}

} // namespace
} // namespace tundeck
