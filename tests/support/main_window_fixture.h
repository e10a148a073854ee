#pragma once
// A main window in a temporary program directory, answering through a script; the current
// directory the window's browser changes is put back afterwards.

#include "app/application.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/test_tools.h"

#include <gtest/gtest.h>

#include <memory>

namespace tundeck::testing {

class MainWindowTest : public ::testing::Test {
protected:
    TempDir programDir;
    CurrentDirectoryKeeper currentDirectory;
    ScriptedInteraction ui;
    std::unique_ptr<Application> app;

    // Creates the windows; the start-up sequence reads what the test put in programDir.
    Form1& Start() {
        app = std::make_unique<Application>(ui, programDir.Directory());
        app->Start();
        return app->Main();
    }
    // Ends the run: the windows are destroyed, the shut-down sequence writes its files.
    void End() { app.reset(); }

    Form1& Main() { return app->Main(); }
    // Handles what is queued as the program's own message loop would, dialog keys included.
    void RunPendingMessages() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!app->PreTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    HWND Control(ControlId id) { return Main().Control(id); }
};

} // namespace tundeck::testing
