#pragma once
// The player side of the main window: the hold on the player's window, the play commands and
// the five transport buttons.

#include "framework/interaction_win.h"
#include "player/play_commands.h"
#include "player/window_control_win.h"
#include "playlist/playlist.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tundeck {

class PlayerPanel : private PlayHost {
public:
    // `programDirectory` (with its trailing "\") holds the temporary playlist.
    PlayerPanel(UserInteraction& ui, PlayerOptions& options, std::string programDirectory)
        : ui_(ui), player_{windows_, options}, programDirectory_(std::move(programDirectory)) {}

    // Takes over the transport buttons, left to right; `owner` owns the messages.
    void Attach(HWND owner, const std::array<HWND, 5>& transportButtons);
    PlayerControl& Control() { return player_; }

    // Draws a transport button's picture; false when `item` is not one of them.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

    void PlayAll(const Playlist& playlist);
    void PlaySelected(const Playlist& playlist, const std::vector<bool>& selected);
    void PlayFromIndex(const Playlist& playlist, int index, bool withFollowing);
    // A file of the browsed directory, by its name; nothing without one.
    void PlayFile(const std::optional<std::string>& fileName);
    void DoubleClick(const Playlist& playlist, int pressedIndex, const std::function<void()>& removeFocused);
    // The transport button at `position` (0 Play to 4 Next).
    void TransportClick(const Playlist& playlist, int position);

private:
    std::string TempPlaylistPath() const override;
    void WriteTempPlaylist(const std::vector<std::string>& paths) override;
    UserInteraction& Ui() override { return ui_; }
    WindowHandle Owner() const override { return ToWindowHandle(owner_); }

    UserInteraction& ui_;
    Win32WindowControl windows_;
    PlayerControl player_;
    std::string programDirectory_;
    HWND owner_ = nullptr;
    std::array<HWND, 5> buttons_{};
};

} // namespace tundeck
