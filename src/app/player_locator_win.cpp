#include "app/player_locator_win.h"

#include "framework/file_io_win.h"

#include <optional>

namespace tundeck {

bool AskForPlayer(UserInteraction& ui, WindowHandle owner, std::string& executable) {
    // The dialog may change the current directory, which the browser's names rely on.
    const std::string remembered = CurrentDirectory();
    struct Restore {
        const std::string& directory;
        ~Restore() { SetCurrentDirectoryA(directory.c_str()); }
    } restore{remembered};
    FileDialogOptions options;
    options.Title = "Please locate the Melvane3-executable";
    options.Filter = "Executable (*.exe)|*.exe";
    options.FileName = "Melvane3.exe";
    const std::optional<std::string> chosen = ui.OpenFile(owner, options);
    if (chosen) {
        executable = *chosen;
    }
    return chosen.has_value();
}

bool LocatePlayer(UserInteraction& ui, WindowHandle owner, std::string& executable) {
    while (!FileExists(executable)) {
        if (!AskForPlayer(ui, owner, executable)) {
            return false;
        }
    }
    return true;
}

} // namespace tundeck
