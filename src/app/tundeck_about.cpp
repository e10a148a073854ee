#include "app/tundeck_about.h"

namespace tundeck {

void Form3::Create(HWND main) {
    DialogWindow::Create(main, "About Tundeck", 434, 302);
}

void Form3::ShowAboutDialog() {
    ShowOverOwner(nullptr);
}

void Form3::CloseAboutDialog() {
    ReturnToOwner();
}

bool Form3::OnClose() {
    CloseAboutDialog();
    return true;
}

} // namespace tundeck
