#include "app/application.h"

namespace tundeck {

Application::Application(UserInteraction& ui, std::string programDirectory,
                         std::vector<std::string> arguments)
    : application_(ui), form1_(ui, std::move(programDirectory), std::move(arguments)), form2_(ui), form3_(ui),
      form4_(ui) {}

bool Application::Start() {
    application_.Create();
    form1_.Create();
    application_.Adopt(form1_.Handle());
    if (form1_.StartCancelled()) {
        return false;
    }
    form2_.Create(form1_.Handle(), "Tundeck Setup", 440, 372);
    form3_.Create(form1_.Handle());
    form4_.Create(form1_.Handle(), "View/Edit ID3-Tag", 443, 411);
    form1_.SetAboutDialog([this] { form3_.ShowAboutDialog(); });
    return true;
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
    return TranslateAcceleratorA(main, form1_.Accelerators(), &msg) != 0 || IsDialogMessageA(main, &msg) != 0;
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
