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

// The program directory holds a settings file that names the stand-in player, as after a first
// run; a test that writes its own settings without a player has the locate dialog answered with
// the stand-in, unless it scripts that dialog itself (`answerLocate` false).
class MainWindowTest : public ::testing::Test {
protected:
    TempDir programDir;
    CurrentDirectoryKeeper currentDirectory;
    ScriptedInteraction ui;
    std::unique_ptr<Application> app;

    MainWindowTest() { WriteSettings(""); }

    static std::string StandInPlayer() { return TestTool("standin_player/standin_player.exe"); }
    void WriteSettings(const std::string& lines) {
        programDir.Write("tundeck.ini", "MelvDir=" + StandInPlayer() + "\r\n" + lines);
    }

    // Creates the windows; the start-up sequence reads what the test put in programDir.
    Form1& Start(const std::vector<std::string>& arguments = {}, bool answerLocate = true) {
        if (answerLocate) {
            ui.FileAnswers.push_front(StandInPlayer());
        }
        const std::size_t dialogs = ui.Dialogs.size();
        app = std::make_unique<Application>(ui, programDir.Directory(), arguments);
        app->Start();
        if (answerLocate && ui.Dialogs.size() == dialogs) {
            ui.FileAnswers.pop_front(); // not asked
        } else if (answerLocate) {
            ui.Dialogs.erase(ui.Dialogs.begin() + static_cast<std::ptrdiff_t>(dialogs));
        }
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
