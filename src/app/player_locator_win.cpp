#include "app/player_locator_win.h"

#include "framework/file_io_win.h"

#include <optional>

namespace tundeck {

bool LocatePlayer(UserInteraction& ui, WindowHandle owner, std::string& executable) {
    // The dialog may change the current directory, which the browser's names rely on.
    const std::string remembered = CurrentDirectory();
    struct Restore {
        const std::string& directory;
        ~Restore() { SetCurrentDirectoryA(directory.c_str()); }
    } restore{remembered};
    while (!FileExists(executable)) {
        FileDialogOptions options;
        options.Title = "Please locate the Melvane3-executable";
        options.Filter = "Executable (*.exe)|*.exe";
        options.FileName = "Melvane3.exe";
        const std::optional<std::string> chosen = ui.OpenFile(owner, options);
        if (!chosen) {
            return false;
        }
        executable = *chosen;
    }
    return true;
}

} // namespace tundeck
