// Program entry: one process, one user-interface thread, four windows.
#include "app/application.h"
#include "framework/error.h"
#include "framework/file_io_win.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    tundeck::DesktopInteraction ui;
    try {
        tundeck::Application application(ui, tundeck::ExecutableDirectory());
        application.Start();
        ShowWindow(application.Main().Handle(), showCommand);
        application.Run();
        application.End();
    } catch (...) {
        // The last barrier: what the windows' own could not catch, such as a failed start.
        ui.ShowError(tundeck::NoWindow, tundeck::CurrentErrorText());
        return 1;
    }
    return 0;
}
