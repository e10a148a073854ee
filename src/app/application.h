#pragma once
// The run of the program: its four windows, created once in order, the event loop, and the
// end of the run, which destroys the windows last-created first.

#include "app/mp3.h"
#include "framework/dialog_window.h"

#include <string>

namespace tundeck {

class Application {
public:
    Application(UserInteraction& ui, std::string programDirectory);
    ~Application() { End(); }

    // Creates the main window (running the start-up sequence) and the three dialogs.
    void Start();
    // Runs the event loop until the main window is closed or File > Exit.
    void Run();
    // The loop's own handling of a message before it is dispatched: the shortcuts, and Tab and
    // the arrow keys between the main window's controls. True when it took the message.
    bool PreTranslate(MSG& msg);
    // Destroys the windows: the dialogs last-created first, then the main window.
    void End();

    Form1& Main() { return form1_; }
    DialogWindow& Setup() { return form2_; }
    DialogWindow& About() { return form3_; }
    DialogWindow& TagEditor() { return form4_; }

private:
    Form1 form1_;
    DialogWindow form2_;
    DialogWindow form3_;
    DialogWindow form4_;
};

} // namespace tundeck
