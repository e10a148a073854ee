// The main window's switchboard: which handler each command, notification and child mouse
// message goes to.
#include "app/mp3.h"

#include "app/commands.h"
#include "framework/routes.h"

namespace tundeck {

namespace {

constexpr CommandRoute<Form1> Commands[] = {
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
    {IdButton1, BN_CLICKED, &Form1::Button1Click},
    {IdButton9, BN_CLICKED, &Form1::Button9Click},
    {IdFileListBox1, LBN_DBLCLK, &Form1::FileListBox1Dbl},
    {IdButton3, BN_CLICKED, &Form1::Button3Click},
    {IdButton2, BN_CLICKED, &Form1::Button2Click},
    {IdButton6, BN_CLICKED, &Form1::Button6Click},
    {IdButton7, BN_CLICKED, &Form1::Button7Click},
    {CmdSavePlaylist, AnyCode, &Form1::SavePlaylist1Click},
    {CmdExit, AnyCode, &Form1::Exit4Click},
    {CmdPlayFromHere, AnyCode, &Form1::Playfromhere1Click},
    {CmdPlaySingle, AnyCode, &Form1::Play1Click},
    {CmdPlayFileSingle, AnyCode, &Form1::Playsingle1Click},
    {CmdRemove, AnyCode, &Form1::Remove1Click},
    {CmdViewEditTag1, AnyCode, &Form1::ViewEditIDTag1Click},
    {CmdViewEditTag2, AnyCode, &Form1::ViewEditIDTag2Click},
    {CmdAbout, AnyCode, &Form1::Exit2Click},
    {CmdOptions, AnyCode, &Form1::Exit1Click},
    {CmdUndo, AnyCode, &Form1::UndoEdit},
    {CmdRedo, AnyCode, &Form1::RedoEdit},
};

constexpr MouseRoute<Form1> MouseRoutes[] = {
    {IdListBox1, MouseAction::Press, &Form1::ListBoxMouseDown},
    {IdListBox1, MouseAction::DoubleClick, &Form1::ListBoxMouseDown},
    {IdListBox1, MouseAction::Move, &Form1::ListBoxMouseMove},
    {IdListBox1, MouseAction::Release, &Form1::ListBoxMouseUp},
    {IdFileListBox1, MouseAction::Press, &Form1::FileListBox1MouseDown},
    {IdDirectoryListBox1, MouseAction::Press, &Form1::DirectoryListBox1MouseDown},
    {IdFileListBox1, MouseAction::DoubleClick, &Form1::FileListBox1MouseDown},
    {IdFileListBox1, MouseAction::Move, &Form1::FileListBox1MouseMove},
    {IdFileListBox1, MouseAction::Release, &Form1::FileListBox1MouseUp},
};

constexpr KeyRoute<Form1> PlaylistKeys[] = {
    {VK_DELETE, false, &Form1::Button3Click},
    {'A', true, &Form1::ListBoxSelectAll},
    {VK_RETURN, false, &Form1::ListBoxEnter},
};

static_assert(RoutesInRanges(Commands, CmdFirst, CmdLast, IdLabel2, IdLastControl) &&
              RoutesAreUnique(Commands) && RoutesAreUnique(MouseRoutes));

} // namespace

void Form1::OnCommand(int id, int code, HWND control) {
    // Escape comes as the dialog keys' cancel command: it ends a drag.
    if ((control != nullptr && Browser().OnCommand(control, code)) || (id == IDCANCEL && drags_.Cancel())) {
        return;
    }
    RunCommand(id, code);
}

void Form1::RunCommand(int id, int code) {
    if (HasCommandRoute(Commands, id, code)) {
        drags_.Cancel(); // a command acts on rows that a drag must not move any more
        RunCommandRoute(*this, Commands, id, code);
    }
}

void Form1::OnChildMouse(int id, const MouseEvent& event) {
    RunMouseRoute(*this, MouseRoutes, id, event);
    if (event.Action == MouseAction::Move && ResetsHoverInfo(static_cast<ControlId>(id))) {
        MouseMove();
    }
}

bool Form1::OnMouse(const MouseEvent& event) {
    if (drags_.Mouse(event)) {
        return true;
    }
    if (event.Action == MouseAction::Move) {
        MouseMove(); // the window's background and its headings
    }
    return false;
}

bool Form1::OnListKey(HWND list, int key) {
    if (Browser().OnKeyToItem(list, key)) {
        return true;
    }
    const auto handler = FindKeyRoute(PlaylistKeys, key, GetKeyState(VK_CONTROL) < 0);
    if (!playlist_.IsList(list) || handler == nullptr) {
        return false;
    }
    drags_.Cancel(); // the rows change under a drag no more
    (this->*handler)();
    return true;
}

int Form1::OnListCharacter(HWND list, char character) {
    return playlist_.IsList(list) ? playlist_.CharacterRow(character) : -1;
}

void Form1::OnUpDown(int id, int /*position*/, int delta) {
    if (playlist_.IsUpDown(id)) {
        UpDown1Click(delta > 0);
    }
}

void Form1::OnChildDropFiles(int id, const std::vector<std::string>& paths, POINT point) {
    if (id == IdListBox1) { // only the playlist takes drops
        adds_.DropFiles(paths, point);
    }
}

void Form1::ActOnRow(int row) {
    player_.DoubleClick(Tracks(), row, [this] { RemoveTrack(Tracks().FocusedRow()); });
}

void Form1::Button7Click() {
    playlist_.Shuffle();
    if (settings_.AutoPlayAfterRandom) {
        Button4Click();
    }
}

} // namespace tundeck
