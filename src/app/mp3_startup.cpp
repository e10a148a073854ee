// The main window's start-up and shut-down sequences.
#include "app/mp3.h"

#include "app/command_line_win.h"
#include "app/player_locator_win.h"
#include "app/settings_file_win.h"
#include "app/window_geometry_win.h"
#include "framework/file_io_win.h"
#include "player/player_window.h"
#include "playlist/playlist_files_win.h"

#include <shellapi.h>

#include <utility>

namespace tundeck {

void Form1::OnCreate() {
    CreateMenuAndShortcuts();
    AttachPanels();
    Browser().ChangeDirectory("c:\\");
    tooltips_.Add(Control(IdButton7), RandomButtonHint);
    focus_.Set(Control(IdButton4));
    SetFocus(Control(IdButton4));
    DragAcceptFiles(Control(IdListBox1), TRUE);
    if (FileExists(SettingsPath(programDirectory_))) {
        WindowSettingsTarget target(Handle(), Browser());
        ReadSettingsFile(SettingsPath(programDirectory_), settings_, target);
    }
    UpdatePopupDefaults();
    AdoptPlayerWindow(player_.Control());
    OnResize();
    showAboutOnFirstPaint_ = settings_.PlayerExecutable.empty();
    if (!LocatePlayer(Ui(), Owner(), settings_.PlayerExecutable)) {
        startCancelled_ = true;
        return;
    }
    FillPlaylist();
    UpdateTimeTotals();
}

void Form1::FillPlaylist() {
    try {
        if (!arguments_.empty()) {
            if (AddCommandLineFiles(Tracks(), arguments_, settings_.AutoPlayArguments)) {
                Button4Click();
            }
        } else if (settings_.RememberPlaylist) {
            ReadPlaylistFile(Tracks(), TempPlaylistPath(programDirectory_), -1, false);
        }
    } catch (...) {
        untouchedRevision_ = Tracks().Revision(); // what a failed fill left is not the user's playlist
        throw;
    }
    playlistKnown_ = true;
}

void Form1::ShutDown() {
    // Once, at the window's end or the session's, and not after a cancelled start; a failed step
    // ends the sequence for good.
    if (startCancelled_ || std::exchange(shutDown_, true)) {
        return;
    }
    // The whole playlist is remembered whatever the option says; the option decides whether the
    // next run reads it back. A start-up cut short before it read the remembered playlist
    // leaves the file as it was, unless the playlist has been changed since.
    if (playlistKnown_ || Tracks().Revision() != untouchedRevision_) {
        WritePlaylistFile(TempPlaylistPath(programDirectory_), Tracks().Paths());
    }
    WriteSettingsFile(SettingsPath(programDirectory_), settings_, Browser().Directory(),
                      GeometryOf(Handle()));
    ReleasePlayerWindow(player_.Control());
}

} // namespace tundeck
