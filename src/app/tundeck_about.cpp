#include "app/tundeck_about.h"

#include "tundeck_version.h"

namespace tundeck {

namespace {

using enum Form3::ControlIds;

constexpr RECT At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr DWORD Text = SS_LEFT | SS_NOPREFIX;

constexpr DialogControl Controls[] = {
    {0, "STATIC", "", SS_ETCHEDFRAME, At(8, 8, 418, 246)},
    {IdIcon, "STATIC", "", SS_ICON, At(22, 22, 32, 32)},
    {IdTitle, "STATIC", "Tundeck v" TUNDECK_VERSION_SHORT, Text, At(70, 24, 340, 18)},
    {0, "STATIC", "A playlist manager and remote control for an external MPEG audio player.", Text,
     At(70, 52, 340, 32)},
    {0, "STATIC",
     "Collect tracks, playlists and stream addresses from your drives, see each track's playing time and "
     "header data, edit its ID3v1 tag, and play the list through the player's window.",
     Text, At(70, 90, 340, 48)},
    {0, "STATIC", "Contact: the Tundeck developers, through the project's issue tracker.", Text,
     At(70, 150, 340, 32)},
    {0, "STATIC",
     TUNDECK_COPYRIGHT ".\nReleased under the MIT License.\nProvided as is, without warranty of any kind.",
     Text, At(70, 194, 340, 44)},
    {IdButton1, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, At(180, 266, 75, 25)},
};

} // namespace

void Form3::Create(HWND main) {
    DialogWindow::Create(main, "About Tundeck", 434, 302);
    CreateControls(Controls);
    LOGFONTA bold{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Control(IdTitle), WM_GETFONT, 0, 0)), sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    titleFont_ = Font(CreateFontIndirectA(&bold));
    SendMessageA(Control(IdTitle), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), FALSE);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    SendMessageA(Control(IdIcon), STM_SETICON,
                 reinterpret_cast<WPARAM>(icon != nullptr ? icon : LoadIconA(nullptr, IDI_APPLICATION)), 0);
}

void Form3::ShowAboutDialog() {
    ShowOverOwner(Control(IdButton1));
}

void Form3::CloseAboutDialog() {
    ReturnToOwner();
}

bool Form3::OnClose() {
    CloseAboutDialog();
    return true;
}

void Form3::OnCommand(int id, int /*code*/, HWND /*control*/) {
    if (id == IdButton1 || id == IDCANCEL) { // OK, Enter and Escape
        CloseAboutDialog();
    }
}

} // namespace tundeck
