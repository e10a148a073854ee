// The main window's play commands: each writes the temporary playlist and starts the player.
#include "app/mp3.h"

#include "playlist/playlist_files_win.h"

namespace tundeck {

std::string Form1::TempPlaylistPath() const { return tundeck::TempPlaylistPath(programDirectory_); }

void Form1::WriteTempPlaylist(const std::vector<std::string>& paths) { WritePlaylistFile(TempPlaylistPath(), paths); }

void Form1::ShowMessage(const std::string& text) {
    Ui().ShowMessage(Handle(), text, "Tundeck", MB_OK | MB_ICONWARNING);
}

void Form1::Button4Click() { PlayAll(player_, *this, playlist_.Paths()); }

void Form1::Button5Click() {
    std::vector<bool> selected(static_cast<std::size_t>(playlist_.Count()), false);
    for (int row : playlist_.SelectedRows()) {
        selected[static_cast<std::size_t>(row)] = true;
    }
    PlaySelected(player_, *this, playlist_.Paths(), selected);
}

void Form1::Playfromhere1Click() { PlayFromIndex(player_, *this, playlist_.Paths(), popupIndex_, true); }

void Form1::Play1Click() { PlayFromIndex(player_, *this, playlist_.Paths(), popupIndex_, false); }

void Form1::Playsingle1Click() {
    const std::vector<std::string> names = browser_.FileNames();
    if (filePopupIndex_ >= 0 && static_cast<std::size_t>(filePopupIndex_) < names.size()) {
        PlayFile(player_, *this, names[static_cast<std::size_t>(filePopupIndex_)]);
    }
}

void Form1::ListBoxDbl() {
    PlaylistDoubleClick(player_, *this, playlist_.Paths(), pressedIndex_,
                        [this] { RemoveTrack(playlist_.FocusedRow()); });
}

void Form1::TransportButtonClick(int id) {
    const PlayerButton button = TransportButtons[static_cast<std::size_t>(id - IdBitBtn1)].Button;
    if (button == PlayButton) {
        TransportPlay(player_, *this, playlist_.Paths());
    } else {
        PressPlayerButton(player_, button, 1, false);
    }
}

} // namespace tundeck
