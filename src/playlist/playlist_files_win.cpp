#include "playlist/playlist_files_win.h"

#include "framework/file_io_win.h"
#include "playlist/m3u.h"

namespace tundeck {

void WritePlaylistFile(const std::string& fileName, const std::vector<std::string>& paths) {
    // Put in place whole: a full disk leaves the remembered playlist as it was.
    ReplaceFileBytes(fileName, FormatPlaylistFile(paths));
}

void ReadPlaylistFile(Playlist& playlist, const std::string& fileName, int position, bool select) {
    if (!FileExists(fileName)) {
        return;
    }
    const PartialRead read = ReadFileUntilError(fileName);
    // A read that fails after a Ctrl-Z comes after the file's end: a reader going line by line
    // never gets there. Before it, the entries read so far stay.
    if (read.Error == ERROR_SUCCESS || HoldsEndOfFile(read.Bytes)) {
        AddPlaylistFileText(playlist, read.Bytes, position, select);
        return;
    }
    AddPlaylistFileText(playlist, CompleteLines(read.Bytes), position, select);
    RaiseIoErrorFor(read.Error);
}

bool SavePlaylistAs(UserInteraction& ui, WindowHandle owner, const std::vector<std::string>& paths) {
    FileDialogOptions options;
    options.Title = "Enter filename for playlist";
    options.Filter = "Mp3-Playlist (*.m3u)|*.m3u";
    options.DefaultExtension = "m3u";
    options.FileName = "untitled.m3u";
    const std::optional<std::string> chosen = ui.SaveFile(owner, options);
    if (!chosen || chosen->empty()) {
        return false;
    }
    if (FileExists(*chosen)) {
        const std::string question = "       File '" + *chosen + "' already exists!       \r" +
                                     "       Do you want to overwrite it?       ";
        if (ui.ShowMessage(owner, question, "Overwrite file?", MessageOkCancel) != AnswerOk) {
            return false;
        }
    }
    ReplaceFileBytes(*chosen, FormatPlaylistFile(paths));
    return true;
}

} // namespace tundeck
