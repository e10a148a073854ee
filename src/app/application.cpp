#include "app/application.h"

#include "player/player_window.h"

namespace tundeck {

Application::Application(UserInteraction& ui, std::string programDirectory,
                         std::vector<std::string> arguments)
    : application_(ui), form1_(ui, std::move(programDirectory), std::move(arguments)),
      form2_(ui, form1_.Options(), *this), form3_(ui), form4_(ui) {}

bool Application::Start() {
    application_.Create();
    form1_.Create();
    application_.Adopt(form1_.Handle());
    if (form1_.StartCancelled()) {
        return false;
    }
    form2_.Create(form1_.Handle());
    form3_.Create(form1_.Handle());
    form4_.Create(form1_.Handle());
    form1_.SetDialogs([this] { form2_.ShowSetupDialog(); }, [this] { form3_.ShowAboutDialog(); });
    form1_.Popups().SetTagDialog([this](const std::string& path, const HeaderLines& lines) {
        form4_.ViewEditIDTag1Click(path, lines);
    });
    return true;
}

void Application::SetDisplayMode(bool fullPath) {
    form1_.Tracks().SetDisplayMode(fullPath);
}

void Application::SetPlayerWindowHandling(std::uint8_t mode) {
    tundeck::SetPlayerWindowHandling(form1_.Player(), mode);
}

void Application::ApplyPlayerAppearance(std::int32_t appearance) {
    tundeck::ApplyPlayerAppearance(form1_.Player(), appearance);
}

void Application::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool Application::PreTranslate(MSG& msg) {
    HWND main = form1_.Handle();
    // Each window's keys stay its own: the shortcuts act only in the main window, and Tab, Enter
    // and Escape move and act within the window that has the focus.
    HWND window = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (window == main) {
        return TranslateAcceleratorA(main, form1_.Accelerators(), &msg) != 0 ||
               IsDialogMessageA(main, &msg) != 0;
    }
    for (DialogWindow* dialog : {static_cast<DialogWindow*>(&form2_), static_cast<DialogWindow*>(&form3_),
                                 static_cast<DialogWindow*>(&form4_)}) {
        if (window != nullptr && window == dialog->Handle()) {
            return dialog->PreTranslate(msg);
        }
    }
    return false;
}

void Application::Show(int showCommand) {
    const bool minimized =
        showCommand == SW_MINIMIZE || showCommand == SW_SHOWMINIMIZED || showCommand == SW_SHOWMINNOACTIVE;
    ShowWindow(application_.Handle(), SW_SHOWNA);
    ShowWindow(form1_.Handle(), minimized ? SW_SHOWNOACTIVATE : showCommand);
    if (minimized) {
        ShowWindow(application_.Handle(), SW_SHOWMINNOACTIVE); // which hides the main window
    }
}

void Application::End() {
    form4_.Destroy();
    form3_.Destroy();
    form2_.Destroy();
    form1_.Destroy();
    application_.Destroy();
}

} // namespace tundeck
