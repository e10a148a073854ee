#pragma once
// The run of the program: its four windows, created once in order, the event loop, and the
// end of the run, which destroys the windows last-created first.

#include "app/application_window_win.h"
#include "app/mp3.h"
#include "app/tundeck_about.h"
#include "app/tundeck_setup.h"
#include "framework/dialog_window.h"
#include "trackinfo/tundeck_idtag.h"

#include <string>

namespace tundeck {

class Application : private SetupTarget {
public:
    // `arguments` are the words of the command line after the program's name.
    Application(UserInteraction& ui, std::string programDirectory, std::vector<std::string> arguments = {});
    ~Application() override { End(); }

    // Creates the main window (running the start-up sequence) and the three dialogs. False when
    // the user cancelled the start: no dialog is created and the run is over.
    bool Start();
    // Runs the event loop until the main window is closed or File > Exit.
    void Run();
    // The loop's own handling of a message before it is dispatched: the shortcuts, and Tab and
    // the arrow keys between the main window's controls. True when it took the message.
    bool PreTranslate(MSG& msg);
    // Destroys the windows: the dialogs last-created first, then the main window.
    void End();

    Form1& Main() { return form1_; }
    ApplicationWindow& Desktop() { return application_; }
    // Shows the program: its taskbar button, and the main window by `showCommand`.
    void Show(int showCommand);
    Form2& Setup() { return form2_; }
    Form3& About() { return form3_; }
    Form4& TagEditor() { return form4_; }

private:
    // What the Setup dialog acts on: the main window's playlist, the player, the popup menu.
    void SetDisplayMode(bool fullPath) override;
    void SetPlayerWindowHandling(std::uint8_t mode) override;
    void ApplyPlayerAppearance(std::int32_t appearance) override;
    void UpdatePopupDefaults() override { form1_.UpdatePopupDefaults(); }

    ApplicationWindow application_;
    Form1 form1_;
    Form2 form2_;
    Form3 form3_;
    Form4 form4_;
};

} // namespace tundeck
