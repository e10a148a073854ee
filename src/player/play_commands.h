#pragma once
// Every way of playing ends the same: write the tracks to tmplist.m3u, then start the player
// with that file on its command line and settle its window.

#include "framework/interaction.h"
#include "player/player_window.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tundeck {

// What the play commands need from the program around them.
class PlayHost {
public:
    virtual ~PlayHost() = default;
    // Where the temporary playlist lives (beside the program).
    virtual std::string TempPlaylistPath() const = 0;
    // Creates or empties the temporary playlist and writes one line per path, in order; an I/O
    // failure throws, which ends the command before the player is started.
    virtual void WriteTempPlaylist(const std::vector<std::string>& paths) = 0;
    // Whom to tell why the player is not there, and the window that asks.
    virtual UserInteraction& Ui() = 0;
    virtual WindowHandle Owner() const = 0;
};

// How long a start may take to show the player's window, and the pause between lookups.
inline constexpr std::chrono::milliseconds PlayerWaitLimit{10000};
inline constexpr std::chrono::milliseconds PlayerLookupPause{50};

// The executable is quoted so a blank in its path cannot start another program; the player reads
// the rest unquoted.
std::string PlainCommandLine(const std::string& executable, const std::string& playlistPath);
std::string NumberedCommandLine(const std::string& executable, const std::string& playlistPath);

// Starts the player (a running one is started again and takes the new list), waits a bounded
// time for its window, then settles it by handling mode and appearance. False, after telling
// the user, when the start failed, the window never appeared or the player stopped answering:
// the caller must press nothing.
bool LaunchPlayer(PlayerControl& player, PlayHost& host, const std::string& commandLine);

// Plays the entry at `index`, with or without the entries after it. Numbered play loads the whole
// list and steps the player to the entry, so its track numbers follow the playlist. An index
// outside the playlist (-1: no row under the mouse) plays nothing.
void PlayFromIndex(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths, int index,
                   bool withFollowing);

// The whole playlist; an empty one starts nothing.
void PlayAll(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths);

// The selected entries in playlist order; with none selected the player gets an empty list.
// `selected` runs parallel to `paths`; rows it does not reach count as not selected.
void PlaySelected(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths,
                  const std::vector<bool>& selected);

// One file of the directory browser by its bare name; the player finds it in the current
// directory, which it inherits.
void PlayFile(PlayerControl& player, PlayHost& host, const std::string& fileName);

// A double-click in the playlist by PlayerOptions::DoubleClickAction: play from the pressed row, play
// it alone, or remove the focused row (which only the playlist can do, hence the callback).
void PlaylistDoubleClick(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths,
                         int pressedIndex, const std::function<void()>& removeFocusedTrack);

// Shown when the running player did not take a press or a message in time.
inline constexpr const char* NoAnswerText =
    "Melvane3 does not answer: it may be busy or hung. The button was not pressed.";

// The Play transport button: presses Play on a running player, otherwise plays everything.
// False when the running player did not answer the press.
bool TransportPlay(PlayerControl& player, PlayHost& host, const std::vector<std::string>& paths);

} // namespace tundeck
