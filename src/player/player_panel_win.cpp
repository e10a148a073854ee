#include "player/player_panel_win.h"

#include "framework/interaction_win.h"
#include "player/transport_buttons_win.h"
#include "playlist/playlist_files_win.h"

#include <cstddef>

namespace tundeck {

void PlayerPanel::Attach(HWND owner, const std::array<HWND, 5>& transportButtons) {
    owner_ = owner;
    buttons_ = transportButtons;
    // Never drawn: the hint is the picture's name for screen readers and automation tools.
    for (std::size_t position = 0; position < buttons_.size(); ++position) {
        SetWindowTextA(buttons_[position], TransportButtons[position].Hint);
    }
}

bool PlayerPanel::DrawItem(const DRAWITEMSTRUCT& item) const {
    for (std::size_t position = 0; position < buttons_.size(); ++position) {
        if (item.hwndItem == buttons_[position]) {
            DrawTransportButton(item, static_cast<TransportGlyph>(position));
            return true;
        }
    }
    return false;
}

std::string PlayerPanel::TempPlaylistPath() const {
    return tundeck::TempPlaylistPath(programDirectory_);
}

void PlayerPanel::WriteTempPlaylist(const std::vector<std::string>& paths) {
    WritePlaylistFile(TempPlaylistPath(), paths);
}

void PlayerPanel::PlayAll(const Playlist& playlist) {
    tundeck::PlayAll(player_, *this, playlist.Paths());
}

void PlayerPanel::PlaySelected(const Playlist& playlist, const std::vector<bool>& selected) {
    tundeck::PlaySelected(player_, *this, playlist.Paths(), selected);
}

void PlayerPanel::PlayFromIndex(const Playlist& playlist, int index, bool withFollowing) {
    tundeck::PlayFromIndex(player_, *this, playlist.Paths(), index, withFollowing);
}

void PlayerPanel::PlayFile(const std::optional<std::string>& fileName) {
    if (fileName) {
        tundeck::PlayFile(player_, *this, *fileName);
    }
}

void PlayerPanel::DoubleClick(const Playlist& playlist, int pressedIndex,
                              const std::function<void()>& removeFocused) {
    PlaylistDoubleClick(player_, *this, playlist.Paths(), pressedIndex, removeFocused);
}

void PlayerPanel::TransportClick(const Playlist& playlist, int position) {
    const PlayerButton button = TransportButtons[static_cast<std::size_t>(position)].Button;
    const bool answered = button == PlayButton ? TransportPlay(player_, *this, playlist.Paths())
                                               : PressPlayerButton(player_, button, 1, false);
    if (!answered) {
        ui_.ShowMessage(Owner(), NoAnswerText, ApplicationTitle, MessageOk | MessageIconWarning);
    }
}

} // namespace tundeck
