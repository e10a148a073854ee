// Program entry: one process, one user-interface thread, four windows.
#include "app/application.h"
#include "app/command_line_win.h"
#include "framework/error.h"
#include "framework/file_io_win.h"
#include "framework/ole_session_win.h"
#include "framework/wide_names_win.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    const tundeck::OleSession ole;
    tundeck::DesktopInteraction ui;
    try {
        std::vector<std::string> words = tundeck::CommandLineWords(GetCommandLineW());
        const std::string unreachable = tundeck::TakeUnreachableReport(); // told once the window shows
        tundeck::Application application(ui, tundeck::ExecutableDirectory(), std::move(words));
        if (!application.Start()) {
            return 0; // the player's executable was not located: the run ends at once
        }
        application.Show(showCommand);
        if (!unreachable.empty()) {
            ui.ShowMessage(application.Main().Owner(), unreachable, tundeck::ApplicationTitle,
                           tundeck::MessageIconWarning | tundeck::MessageTextUtf8);
        }
        application.Run();
        application.End();
    } catch (...) {
        // The last barrier: what the windows' own could not catch, such as a failed start.
        ui.ShowError(tundeck::NoWindow, tundeck::CurrentErrorText());
        return 1;
    }
    return 0;
}
