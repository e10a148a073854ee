#include "player/player_window.h"

namespace tundeck {

namespace {

// Stacking is all SetWindowPos is asked to change here; place and size stay.
constexpr std::uint32_t StackOnly = SwpNoMove | SwpNoSize | SwpShowWindow;

bool SendClick(PlayerControl& player, WindowHandle target) {
    return player.Windows.SendAndWait(target, WmLButtonDown, 0, 0) &&
           player.Windows.SendAndWait(target, WmLButtonUp, 0, 0);
}

void Park(PlayerControl& player) {
    player.Windows.SetPosition(player.PlayerWindow, HwndNoTopmost, HiddenPlayerX, HiddenPlayerY, 0, 0,
                               SwpNoSize);
    player.Windows.Show(player.PlayerWindow, SwHide);
}

void PlaceAtSavedPosition(PlayerControl& player, WindowHandle insertAfter) {
    player.Windows.SetPosition(player.PlayerWindow, insertAfter, player.Options.SavedPlayerX,
                               player.Options.SavedPlayerY, 0, 0, SwpNoSize);
}

} // namespace

std::size_t AppearanceRow(std::int32_t appearance) {
    if (appearance >= 2) {
        return appearance == 2 ? 2 : 3;
    }
    return appearance == 0 ? 0 : 1;
}

PlayerMenuState MenuStateFromWidth(int width) {
    for (const PlayerAppearanceRow& row : PlayerAppearances) {
        if (row.Width == width) {
            return row.MenuShown ? PlayerMenuState::Shown : PlayerMenuState::Hidden;
        }
    }
    return PlayerMenuState::Unknown;
}

WindowHandle FindPlayerWindow(PlayerControl& player) {
    player.PlayerWindow = player.Windows.FindTopLevel(PlayerWindowClass, PlayerWindowTitle);
    return player.PlayerWindow;
}

bool PressPlayerButton(PlayerControl& player, int position, int clicks, bool handleIsCurrent) {
    if (!handleIsCurrent) {
        FindPlayerWindow(player);
    }
    if (player.PlayerWindow == NoWindow) {
        return true;
    }
    WindowHandle button = player.Windows.FirstChild(player.PlayerWindow);
    for (int step = 0; step < position && button != NoWindow; ++step) {
        button = player.Windows.NextSibling(button);
    }
    // A player that stops answering would otherwise cost a timeout for every remaining message.
    bool answered = true;
    for (int click = 0; click < clicks && button != NoWindow && answered; ++click) {
        answered = SendClick(player, button);
    }
    if (player.Options.PlayerWindowHandling == HandlingRaiseAtOperation) {
        player.Windows.Raise(player.PlayerWindow);
    }
    return answered;
}

void ApplyPlayerAppearance(PlayerControl& player, std::int32_t appearance) {
    if (FindPlayerWindow(player) == NoWindow) {
        return;
    }
    WindowControl& windows = player.Windows;
    windows.Show(player.PlayerWindow, SwRestore);
    const WindowRect rect = windows.OuterRect(player.PlayerWindow);
    const PlayerAppearanceRow& target = PlayerAppearances[AppearanceRow(appearance)];

    // The player toggles its menu and title bar on a double-click; only a recognised width says
    // which state it is in now.
    const PlayerMenuState state = MenuStateFromWidth(rect.Right - rect.Left);
    const PlayerMenuState wanted = target.MenuShown ? PlayerMenuState::Shown : PlayerMenuState::Hidden;
    if (state != PlayerMenuState::Unknown && state != wanted) {
        windows.SendAndWait(player.PlayerWindow, WmLButtonDblClk, 0, 0);
    }

    switch (player.Options.PlayerWindowHandling) {
    case HandlingKeepOnTop:
        windows.SetPosition(player.PlayerWindow, HwndTopmost, rect.Left, rect.Top, target.Width,
                            target.Height, 0);
        break;
    case HandlingHide:
        windows.SetPosition(player.PlayerWindow, HwndNoTopmost, HiddenPlayerX, HiddenPlayerY, target.Width,
                            target.Height, 0);
        windows.Show(player.PlayerWindow, SwHide);
        break;
    default:
        windows.SetPosition(player.PlayerWindow, HwndNoTopmost, rect.Left, rect.Top, target.Width,
                            target.Height, 0);
        break;
    }
}

void ApplyWindowHandling(PlayerControl& player) {
    if (player.PlayerWindow == NoWindow) {
        return;
    }
    if (player.Options.PlayerWindowHandling == HandlingKeepOnTop) {
        player.Windows.SetPosition(player.PlayerWindow, HwndTopmost, 0, 0, 0, 0, StackOnly);
    } else if (player.Options.PlayerWindowHandling == HandlingHide) {
        Park(player);
    }
}

void SetPlayerWindowHandling(PlayerControl& player, std::uint8_t newMode) {
    const std::uint8_t oldMode = player.Options.PlayerWindowHandling;
    player.Options.PlayerWindowHandling = newMode;
    if (FindPlayerWindow(player) == NoWindow || oldMode == newMode) {
        return;
    }
    WindowControl& windows = player.Windows;
    const WindowHandle stacking = newMode == HandlingKeepOnTop ? HwndTopmost : HwndNoTopmost;
    if (oldMode == HandlingHide) {
        windows.Show(player.PlayerWindow, SwRestore);
        PlaceAtSavedPosition(player, stacking);
        windows.Show(player.PlayerWindow, SwShow);
    } else if (newMode == HandlingHide) {
        // Only here is the place remembered that the window comes back to.
        windows.Show(player.PlayerWindow, SwRestore);
        const WindowRect rect = windows.OuterRect(player.PlayerWindow);
        player.Options.SavedPlayerX = rect.Left;
        player.Options.SavedPlayerY = rect.Top;
        Park(player);
    } else {
        windows.SetPosition(player.PlayerWindow, stacking, 0, 0, 0, 0, StackOnly);
    }
}

void AdoptPlayerWindow(PlayerControl& player) {
    if (FindPlayerWindow(player) == NoWindow) {
        return;
    }
    ApplyWindowHandling(player);
    ApplyPlayerAppearance(player, player.Options.PlayerAppearance);
}

void ReleasePlayerWindow(PlayerControl& player) {
    if (FindPlayerWindow(player) == NoWindow) {
        return;
    }
    WindowControl& windows = player.Windows;
    PlayerOptions& options = player.Options;
    ApplyPlayerAppearance(player, 0);
    windows.Show(player.PlayerWindow, SwRestore);
    if (options.PlayerWindowHandling == HandlingHide) {
        PlaceAtSavedPosition(player, HwndNoTopmost);
    } else {
        windows.SetPosition(player.PlayerWindow, HwndNoTopmost, 0, 0, 0, 0, StackOnly);
    }
    windows.Show(player.PlayerWindow, SwShow);
    // The file already holds the configured mode; from here on the player is left alone.
    options.PlayerWindowHandling = HandlingDontInterfere;
    if (options.ClosePlayerAtExit) {
        windows.SendAndWait(player.PlayerWindow, WmClose, 0, 0);
    } else if (!options.RestorePlayerAtExit) {
        ApplyPlayerAppearance(player, options.PlayerAppearance);
    }
}

} // namespace tundeck
