#pragma once
// The player is driven only through its top-level window: found by class and title, its
// buttons pressed with mouse messages to its children, its menu toggled by a double-click,
// and its window placed, stacked, shown or parked off-screen by the handling mode.

#include "player/player_options.h"
#include "player/window_control.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tundeck {

inline constexpr const char* PlayerWindowClass = "Melvane Main Window";
inline constexpr const char* PlayerWindowTitle = "Melvane3";

// The player's buttons by their position among its children (GW_CHILD, then GW_HWNDNEXT).
enum PlayerButton : int {
    PlayButton = 0,
    StopButton = 1,
    PauseButton = 2,
    PreviousTrackButton = 3,
    NextTrackButton = 4,
};

// The transport buttons under the playlist, left to right, with their hints.
struct TransportButton {
    PlayerButton Button;
    const char* Hint;
};
inline constexpr std::array<TransportButton, 5> TransportButtons{{
    {PlayButton, "Play"},
    {StopButton, "Stop"},
    {PauseButton, "Pause"},
    {PreviousTrackButton, "Skip to previous track"},
    {NextTrackButton, "Skip to next track"},
}};

// Values of PlayerOptions::PlayerWindowHandling.
inline constexpr std::uint8_t HandlingDontInterfere = 0;
inline constexpr std::uint8_t HandlingKeepOnTop = 1;
inline constexpr std::uint8_t HandlingRaiseAtOperation = 2;
inline constexpr std::uint8_t HandlingHide = 3;

// Where a hidden player is parked, off-screen.
inline constexpr int HiddenPlayerX = -500;
inline constexpr int HiddenPlayerY = 200;

// The four appearances, indexed by the normalised PlayerOptions::PlayerAppearance.
struct PlayerAppearanceRow {
    bool MenuShown; // menu and title bar
    int Width;      // outer size the shell gives the window
    int Height;
};
inline constexpr std::array<PlayerAppearanceRow, 4> PlayerAppearances{{
    {true, 275, 153},  // "Normal window - Show all"
    {true, 223, 95},   // "Normal window - Time only"
    {false, 273, 112}, // "No menu/titlebar - Show all"
    {false, 221, 54},  // "No menu/titlebar - Time only"
}};

// 2 and up is without menu, below 2 with it; within each half anything but 0 or 2 is "Time only".
std::size_t AppearanceRow(std::int32_t appearance);

// The only way to tell the player's menu state is its width; other widths are not recognised.
enum class PlayerMenuState { Shown, Hidden, Unknown };
PlayerMenuState MenuStateFromWidth(int width);

// The main window's hold on the player: the window manager to reach it, the options that say how
// to place it, and the handle of the last lookup.
struct PlayerControl {
    WindowControl& Windows;
    PlayerOptions& Options;
    WindowHandle PlayerWindow = NoWindow;
};

// Looks the window up again and keeps the result in PlayerWindow.
WindowHandle FindPlayerWindow(PlayerControl& player);

// Clicks the child at `position` `clicks` times, then raises the window under handling mode 2.
// With `handleIsCurrent` the last lookup is used instead of a new one. False when the player
// stopped answering: the clicks not yet sent are dropped.
bool PressPlayerButton(PlayerControl& player, int position, int clicks, bool handleIsCurrent);

// Gives the window the menu state and size of `appearance` and places it by the handling mode.
void ApplyPlayerAppearance(PlayerControl& player, std::int32_t appearance);

// For a window just found or started: topmost under mode 1, parked and hidden under mode 3.
void ApplyWindowHandling(PlayerControl& player);

// Stores the new mode and moves a running player from the old mode to it.
void SetPlayerWindowHandling(PlayerControl& player, std::uint8_t newMode);

// Start-up, after the settings are read: takes over a player that is already running.
void AdoptPlayerWindow(PlayerControl& player);

// Exit, after the settings are written: hands the player back as a normal window, then closes
// it or dresses it again as configured. Leaves handling mode 0 in memory.
void ReleasePlayerWindow(PlayerControl& player);

} // namespace tundeck
