#include "trackinfo/tundeck_idtag.h"

#include "framework/wide_names_win.h"
#include "trackinfo/id3_tag_win.h"

#include <iterator>
#include <utility>

namespace tundeck {

namespace {

using enum Form4::ControlIds;

constexpr DWORD Caption = SS_LEFT | SS_NOPREFIX;
constexpr DWORD Box = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD Frame = BS_GROUPBOX;
constexpr int Row = 33; // between the boxes of the tag
constexpr int FirstRow = 160;

constexpr RECT At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr RECT BoxAt(int row, int width) {
    return At(116, FirstRow + row * Row, width, 23);
}

constexpr RECT CaptionAt(int row) {
    return At(20, FirstRow + row * Row + 4, 92, 16);
}

constexpr RECT InfoAt(int line) {
    return At(18, 26 + line * 19, 407, 16);
}

constexpr DialogControl Controls[] = {
    {0, "BUTTON", "Track", Frame, At(8, 6, 427, 124)},
    {IdLabel7, "STATIC", "", Caption | SS_PATHELLIPSIS, InfoAt(0)},
    {IdLabel7 + 1, "STATIC", "", Caption, InfoAt(1)},
    {IdLabel7 + 2, "STATIC", "", Caption, InfoAt(2)},
    {IdLabel7 + 3, "STATIC", "", Caption, InfoAt(3)},
    {IdLabel7 + 4, "STATIC", "", Caption, InfoAt(4)},
    {0, "BUTTON", "ID3-Tag", Frame, At(8, 138, 427, 224)},
    {0, "STATIC", "Song name:", Caption, CaptionAt(0)},
    {IdEdit1, "EDIT", "", Box | ES_OEMCONVERT, BoxAt(0, 305), WS_EX_CLIENTEDGE},
    {0, "STATIC", "Artist:", Caption, CaptionAt(1)},
    {IdEdit1 + 1, "EDIT", "", Box, BoxAt(1, 305), WS_EX_CLIENTEDGE},
    {0, "STATIC", "Album name:", Caption, CaptionAt(2)},
    {IdEdit1 + 2, "EDIT", "", Box, BoxAt(2, 305), WS_EX_CLIENTEDGE},
    {0, "STATIC", "Year:", Caption, CaptionAt(3)},
    {IdEdit1 + 3, "EDIT", "", Box, BoxAt(3, 60), WS_EX_CLIENTEDGE},
    {0, "STATIC", "Comment:", Caption, CaptionAt(4)},
    {IdEdit1 + 4, "EDIT", "", Box, BoxAt(4, 305), WS_EX_CLIENTEDGE},
    {0, "STATIC", "Genre:", Caption, CaptionAt(5)},
    {IdComboBox1, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
     At(116, 325, 180, 300)},
    {IdButton1, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, At(184, 376, 75, 25)},
};

constexpr const char* UpdateQuestion = "You have changed the ID3-Tag. Do you want to update the file?";
constexpr const char* AccessErrorText = "File access error!\rAre you playing this file right now?";

bool IsTagEdit(int id) {
    return id >= IdEdit1 && id < IdEdit1 + static_cast<int>(TagTextFields.size());
}

} // namespace

void Form4::Create(HWND main) {
    DialogWindow::Create(main, "View/Edit ID3-Tag", 443, 411);
    CreateControls(Controls);
    for (std::size_t i = 0; i < TagTextFields.size(); ++i) {
        SendMessageA(Control(IdEdit1 + static_cast<int>(i)), EM_LIMITTEXT, TagTextFields[i].Length, 0);
    }
    for (const char* genre : GenreNames()) {
        SendMessageA(Control(IdComboBox1), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(genre));
    }
}

void Form4::ViewEditIDTag1Click(const std::string& path, const HeaderLines& lines) {
    ShowOverOwner(Control(IdButton1));
    tagChanged_ = false;
    path_ = path;
    awayFrom_ = 0;
    if (const std::string real = RealPathOf(path); !real.empty()) {
        SetWindowTextW(Control(IdLabel7), WideFromUtf8(real).c_str());
    } else {
        SetWindowTextA(Control(IdLabel7), path.c_str());
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SetWindowTextA(Control(IdLabel7 + 1 + static_cast<int>(i)), lines[i].c_str());
    }
    for (std::size_t i = 0; i < TagTextFields.size(); ++i) {
        SetWindowTextA(Control(IdEdit1 + static_cast<int>(i)), "");
    }
    SendMessageA(Control(IdComboBox1), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    shownTag_.reset();

    const std::optional<TagBuffer> block = ReadTagBlock(path); // a file too short raises here
    if (!block) {
        return;
    }
    tagBuffer_ = *block;
    if (!IsTag(tagBuffer_)) {
        return;
    }
    shownTag_ = tagBuffer_;
    const TagContents contents = DecodeTag(tagBuffer_);
    for (std::size_t i = 0; i < contents.Texts.size(); ++i) {
        SetWindowTextA(Control(IdEdit1 + static_cast<int>(i)), contents.Texts[i].c_str());
    }
    SendMessageA(Control(IdComboBox1), CB_SETCURSEL, static_cast<WPARAM>(contents.Genre), 0);
}

void Form4::Button1Click() {
    // Enter reaches here with the focus still in a box: moving it first counts that box's change,
    // as a click on the button does.
    SetFocus(Control(IdButton1));
    if (awayFrom_ != 0) { // the focus came back from another window straight onto the button
        BoxEntered(IdButton1);
    }
    Close(tagChanged_);
}

void Form4::FormClose() {
    // The focus moves to no other control of the dialog: a change still in the focused box is
    // not counted, even when giving the main window its focus back leaves the box.
    Close(tagChanged_);
}

bool Form4::OnClose() {
    FormClose();
    return true;
}

void Form4::OnCommand(int id, int code, HWND /*control*/) {
    if ((IsTagEdit(id) && code == EN_SETFOCUS) || (id == IdComboBox1 && code == CBN_SETFOCUS)) {
        BoxEntered(id);
    } else if ((IsTagEdit(id) && code == EN_KILLFOCUS) || (id == IdComboBox1 && code == CBN_KILLFOCUS)) {
        BoxLeft(id);
    } else if (id == IdButton1 && code == BN_CLICKED) {
        Button1Click();
    } else if (id == IDCANCEL) { // Escape: as the frame's close box
        FormClose();
    }
}

void Form4::BoxEntered(int id) {
    const int left = std::exchange(awayFrom_, 0);
    if (left == id) {
        return; // back from another window: the box was never left
    }
    if (left != 0) {
        BoxExit(left);
    }
    if (id == IdComboBox1) {
        ComboBox1Enter();
    } else if (IsTagEdit(id)) {
        EditEnter(Control(id));
    }
}

void Form4::BoxLeft(int id) {
    // While the focus leaves, it already names the window that receives it.
    HWND to = GetFocus();
    if (to != nullptr && IsChild(Handle(), to)) {
        BoxExit(id);
    } else {
        awayFrom_ = id;
    }
}

void Form4::BoxExit(int id) {
    if (id == IdComboBox1) {
        ComboBox1Exit();
    } else {
        EditExit(Control(id));
    }
}

void Form4::EditEnter(HWND edit) {
    enteredText_ = WindowText(edit);
}

void Form4::EditExit(HWND edit) {
    if (WindowText(edit) != enteredText_) {
        tagChanged_ = true;
    }
}

void Form4::ComboBox1Enter() {
    enteredGenre_ = SelectedGenre();
}

void Form4::ComboBox1Exit() {
    if (SelectedGenre() != enteredGenre_) {
        tagChanged_ = true;
    }
}

int Form4::SelectedGenre() const {
    return static_cast<int>(SendMessageA(Control(IdComboBox1), CB_GETCURSEL, 0, 0));
}

void Form4::Close(bool changed) {
    if (!IsWindowVisible(Handle())) {
        return;
    }
    ReturnToOwner();
    TagContents contents;
    for (std::size_t i = 0; i < contents.Texts.size(); ++i) {
        contents.Texts[i] = WindowText(Control(IdEdit1 + static_cast<int>(i)));
    }
    contents.Genre = SelectedGenre();
    tagBuffer_ = EncodeTag(contents, shownTag_);
    if (changed && Ui().ShowMessage(ToWindowHandle(OwnerWindow()), UpdateQuestion, "Update ID3?",
                                    MessageOkCancel) == AnswerOk) {
        Save();
    }
}

void Form4::Save() {
    if (WriteTagBlock(path_, tagBuffer_) == TagWrite::NoAccess) {
        Ui().ShowMessage(ToWindowHandle(OwnerWindow()), AccessErrorText, "File access error", MessageOk);
    }
}

} // namespace tundeck
