// The main window's switchboard: which handler each command, notification and mouse message of
// a control goes to, and the handlers themselves, each handing the event to its panel.
#include "app/mp3.h"

#include "app/commands.h"
#include "playlist/playlist_files_win.h"

#include <algorithm>
#include <iterator>

namespace tundeck {

namespace {

// Menu items, accelerators and popup-menu choices come with either code.
constexpr int AnyCode = -1;

struct CommandRoute {
    int Id;
    int Code;
    void (Form1::*Handler)();
};

constexpr CommandRoute Commands[] = {
    {IdButton4, BN_CLICKED, &Form1::Button4Click},
    {IdButton5, BN_CLICKED, &Form1::Button5Click},
    {IdBitBtn1, BN_CLICKED, &Form1::BitBtn1Click},
    {IdBitBtn2, BN_CLICKED, &Form1::BitBtn2Click},
    {IdBitBtn3, BN_CLICKED, &Form1::BitBtn3Click},
    {IdBitBtn4, BN_CLICKED, &Form1::BitBtn4Click},
    {IdBitBtn5, BN_CLICKED, &Form1::BitBtn5Click},
    // Owner-drawn buttons report the second click of a double-click on its own.
    {IdBitBtn1, BN_DOUBLECLICKED, &Form1::BitBtn1Click},
    {IdBitBtn2, BN_DOUBLECLICKED, &Form1::BitBtn2Click},
    {IdBitBtn3, BN_DOUBLECLICKED, &Form1::BitBtn3Click},
    {IdBitBtn4, BN_DOUBLECLICKED, &Form1::BitBtn4Click},
    {IdBitBtn5, BN_DOUBLECLICKED, &Form1::BitBtn5Click},
    {IdListBox1, LBN_DBLCLK, &Form1::ListBoxDbl},
    {CmdSavePlaylist, AnyCode, &Form1::SavePlaylist1Click},
    {CmdExit, AnyCode, &Form1::Exit4Click},
    {CmdPlayFromHere, AnyCode, &Form1::Playfromhere1Click},
    {CmdPlaySingle, AnyCode, &Form1::Play1Click},
    {CmdPlayFileSingle, AnyCode, &Form1::Playsingle1Click},
};

struct MouseRoute {
    int Id;
    MouseAction Action;
    void (Form1::*Handler)(const MouseEvent&);
};

constexpr MouseRoute MouseRoutes[] = {
    {IdListBox1, MouseAction::Press, &Form1::ListBoxMouseDown},
    {IdListBox1, MouseAction::DoubleClick, &Form1::ListBoxMouseDown},
    {IdListBox1, MouseAction::Move, &Form1::ListBoxMouseMove},
    {IdListBox1, MouseAction::Release, &Form1::ListBoxMouseUp},
    {IdFileListBox1, MouseAction::Press, &Form1::FileListBox1MouseDown},
    {IdFileListBox1, MouseAction::DoubleClick, &Form1::FileListBox1MouseDown},
    {IdFileListBox1, MouseAction::Move, &Form1::FileListBox1MouseMove},
    {IdFileListBox1, MouseAction::Release, &Form1::FileListBox1MouseUp},
};

// Commands are menu identifiers with any code, or control identifiers with a notification;
// no identifier is routed twice for the same code.
constexpr bool CommandsAreApart() {
    for (const CommandRoute& route : Commands) {
        const bool isMenu = route.Id >= CmdFirst && route.Id <= CmdLast;
        const bool isControl = route.Id >= IdLabel2 && route.Id <= IdLastControl;
        if (isMenu != (route.Code == AnyCode) || isMenu == isControl) {
            return false;
        }
        const auto same = [&](const CommandRoute& other) {
            return other.Id == route.Id && other.Code == route.Code;
        };
        if (std::count_if(std::begin(Commands), std::end(Commands), same) != 1) {
            return false;
        }
    }
    return true;
}
static_assert(CommandsAreApart());

} // namespace

void Form1::OnCommand(int id, int code, HWND control) {
    if (control != nullptr && browser_.Browser().OnCommand(control, code)) {
        return;
    }
    RunCommand(id, code);
}

void Form1::RunCommand(int id, int code) {
    for (const CommandRoute& route : Commands) {
        if (route.Id == id && (route.Code == AnyCode || route.Code == code)) {
            (this->*route.Handler)();
            return;
        }
    }
}

void Form1::OnChildMouse(int id, const MouseEvent& event) {
    for (const MouseRoute& route : MouseRoutes) {
        if (route.Id == id && route.Action == event.Action) {
            (this->*route.Handler)(event);
            return;
        }
    }
}

void Form1::Button4Click() {
    player_.PlayAll(Tracks());
}

void Form1::Button5Click() {
    player_.PlaySelected(Tracks(), playlist_.SelectedFlags());
}

void Form1::BitBtn1Click() {
    player_.TransportClick(Tracks(), 0);
}
void Form1::BitBtn2Click() {
    player_.TransportClick(Tracks(), 1);
}
void Form1::BitBtn3Click() {
    player_.TransportClick(Tracks(), 2);
}
void Form1::BitBtn4Click() {
    player_.TransportClick(Tracks(), 3);
}
void Form1::BitBtn5Click() {
    player_.TransportClick(Tracks(), 4);
}

void Form1::ListBoxDbl() {
    player_.DoubleClick(Tracks(), PressedIndex(), [this] { RemoveTrack(Tracks().FocusedRow()); });
}

void Form1::Playfromhere1Click() {
    player_.PlayFromIndex(Tracks(), PopupIndex(), true);
}

void Form1::Play1Click() {
    player_.PlayFromIndex(Tracks(), PopupIndex(), false);
}

void Form1::Playsingle1Click() {
    if (const std::optional<std::string> name = browser_.PopupFileName()) {
        player_.PlayFile(*name);
    }
}

void Form1::SavePlaylist1Click() {
    if (SavePlaylistAs(Ui(), Owner(), Tracks().Paths())) {
        browser_.Browser().Refresh();
    }
}

void Form1::Exit4Click() {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void Form1::ListBoxMouseDown(const MouseEvent& event) {
    playlist_.MouseDown(event);
}

void Form1::ListBoxMouseMove(const MouseEvent& event) {
    playlist_.MouseMove(event);
}

void Form1::ListBoxMouseUp(const MouseEvent& event) {
    playlist_.MouseUp(event);
    if (event.Button == MouseButton::Left) {
        UpdateTimeTotals(); // a selection made with the mouse shows its time at once
    }
}

void Form1::FileListBox1MouseDown(const MouseEvent& event) {
    browser_.FileListMouseDown(event);
}

void Form1::FileListBox1MouseMove(const MouseEvent& event) {
    browser_.FileListMouseMove(event);
}

void Form1::FileListBox1MouseUp(const MouseEvent& event) {
    browser_.FileListMouseUp(event);
}

} // namespace tundeck
