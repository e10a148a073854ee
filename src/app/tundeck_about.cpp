#include "app/tundeck_about.h"

namespace tundeck {

void Form3::Create(HWND main) {
    main_ = main;
    DialogWindow::Create(main, "About Tundeck", 434, 302);
}

void Form3::ShowAboutDialog() {
    EnableWindow(Handle(), TRUE);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(Handle());
    BringWindowToTop(Handle());
    EnableWindow(main_, FALSE);
}

void Form3::CloseAboutDialog() {
    ShowWindow(main_, SW_SHOW);
    EnableWindow(main_, TRUE);
    SetFocus(main_);
    BringWindowToTop(main_);
    EnableWindow(Handle(), FALSE);
    ShowWindow(Handle(), SW_HIDE);
}

bool Form3::OnClose() {
    CloseAboutDialog();
    return true;
}

} // namespace tundeck
