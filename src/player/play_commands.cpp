#include "player/play_commands.h"

#include <cstddef>
#include <cstdint>

namespace tundeck {

namespace {

// WinExec results up to this one are failures.
constexpr int LastStartFailure = 31;

std::string Quoted(const std::string& path) {
    return '"' + path + '"';
}

// Looks the window up until it appears or the time is used up; the first lookup does not wait.
bool WaitForPlayerWindow(PlayerControl& player) {
    const std::int64_t pauses = PlayerWaitLimit / PlayerLookupPause;
    for (std::int64_t paused = 0; FindPlayerWindow(player) == NoWindow; ++paused) {
        if (paused == pauses) {
            return false;
        }
        player.Windows.Pause(PlayerLookupPause);
    }
    return true;
}

void Warn(PlayHost& host, const std::string& text) {
    host.Ui().ShowMessage(host.Owner(), text, ApplicationTitle, MessageOk | MessageIconWarning);
}

// False when the player stopped answering a press: it gets no further ones.
bool SettleWindow(PlayerControl& player, bool wasRunning) {
    const std::uint8_t handling = player.Options.PlayerWindowHandling;
    if (!wasRunning || handling == HandlingKeepOnTop) {
        ApplyWindowHandling(player);
    } else if (handling == HandlingHide) {
        // The running player has just taken the new list from the second start: restart it unseen.
        if (!PressPlayerButton(player, StopButton, 1, true)) {
            return false;
        }
        player.Windows.Show(player.PlayerWindow, SwHide);
        return PressPlayerButton(player, PlayButton, 1, true);
    }
    return true;
}

void WriteAndLaunch(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths) {
    host.WriteTempPlaylist(paths);
    LaunchPlayer(player, host, PlainCommandLine(player.Options.PlayerExecutable, host.TempPlaylistPath()));
}

} // namespace

std::string PlainCommandLine(const std::string& executable, const std::string& playlistPath) {
    return Quoted(executable) + " " + playlistPath;
}

std::string NumberedCommandLine(const std::string& executable, const std::string& playlistPath) {
    return Quoted(executable) + " /l " + playlistPath;
}

bool LaunchPlayer(PlayerControl& player, PlayHost& host, const std::string& commandLine) {
    const bool wasRunning = FindPlayerWindow(player) != NoWindow;
    const int started = player.Windows.StartProcess(commandLine, SwShow);
    const std::string& executable = player.Options.PlayerExecutable;
    const bool startFailed = started <= LastStartFailure;
    const std::string failure =
        "Could not start the player " + Quoted(executable) + " (error " + std::to_string(started) + ").";
    // A player that runs is settled all the same; it still plays its old list, which the user
    // learns after.
    if (startFailed && !wasRunning) {
        Warn(host, failure);
        return false;
    }
    if (!WaitForPlayerWindow(player)) {
        Warn(host, startFailed ? failure
                               : "The player " + Quoted(executable) +
                                     " was started, but its window did not appear within " +
                                     std::to_string(PlayerWaitLimit.count() / 1000) + " seconds.");
        return false;
    }
    // A player that stops answering while it is settled would cost a timeout for every further
    // message, and the calls that place it would wait for it for good.
    const bool settled = SettleWindow(player, wasRunning);
    if (settled) {
        ApplyPlayerAppearance(player, player.Options.PlayerAppearance);
    }
    const bool answers = settled && !player.Windows.Hangs(player.PlayerWindow);
    if (!answers) {
        Warn(host, NoAnswerText);
    }
    if (startFailed) {
        Warn(host, failure);
    }
    return answers && !startFailed;
}

void PlayFromIndex(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths, int index,
                   bool withFollowing) {
    if (index < 0 || static_cast<std::size_t>(index) >= paths.size()) {
        return;
    }
    if (!player.Options.NumberAfterPlaylist) {
        const auto first = paths.begin() + index;
        WriteAndLaunch(player, host,
                       std::vector<std::string>(first, withFollowing ? paths.end() : first + 1));
        return;
    }
    // The player numbers the whole list; Stop, then Next index times from the first track, then Play.
    host.WriteTempPlaylist(paths);
    if (!LaunchPlayer(player, host,
                      NumberedCommandLine(player.Options.PlayerExecutable, host.TempPlaylistPath()))) {
        return;
    }
    // A player that stops answering gets no further presses: each would wait out its timeout.
    const bool answered = PressPlayerButton(player, StopButton, 1, true) &&
                          PressPlayerButton(player, NextTrackButton, index, true) &&
                          PressPlayerButton(player, PlayButton, 1, true);
    if (!answered) {
        host.Ui().ShowMessage(host.Owner(), NoAnswerText, ApplicationTitle, MessageOk | MessageIconWarning);
    }
}

void PlayAll(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return;
    }
    WriteAndLaunch(player, host, paths);
}

void PlaySelected(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths,
                  const std::vector<bool>& selected) {
    std::vector<std::string> chosen;
    for (std::size_t row = 0; row < paths.size() && row < selected.size(); ++row) {
        if (selected[row]) {
            chosen.push_back(paths[row]);
        }
    }
    WriteAndLaunch(player, host, chosen);
}

void PlayFile(PlayerControl& player, PlayHost& host, const std::string& fileName) {
    WriteAndLaunch(player, host, {fileName});
}

void PlaylistDoubleClick(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths,
                         int pressedIndex, const std::function<void()>& removeFocusedTrack) {
    switch (player.Options.DoubleClickAction) {
    case 1:
        PlayFromIndex(player, host, paths, pressedIndex, true);
        break;
    case 2:
        PlayFromIndex(player, host, paths, pressedIndex, false);
        break;
    case 3:
        removeFocusedTrack();
        break;
    default:
        break;
    }
}

bool TransportPlay(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths) {
    if (FindPlayerWindow(player) != NoWindow) {
        return PressPlayerButton(player, PlayButton, 1, true);
    }
    PlayAll(player, host, paths);
    return true;
}

} // namespace tundeck
