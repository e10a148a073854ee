#include "app/tundeck_setup.h"

#include "app/player_locator_win.h"
#include "framework/file_io_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <array>
#include <vector>

namespace tundeck {

namespace {

using enum Form2::ControlIds;

constexpr RECT At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

constexpr const char* PageNames[] = {"General", "Action Control", "Melvane3 Behavior"};
constexpr int PageCount = static_cast<int>(std::size(PageNames));

struct RadioGroupRow {
    int Group;
    int Page;
    const char* Caption;
    std::array<const char*, 4> Items; // nullptr after the last
    RECT Frame;
    int Columns;
    bool Settings::*Flag; // item 1 sets it; nullptr for the numbered choices
};

// In tab order, page by page.
constexpr RadioGroupRow RadioGroups[] = {
    {1,
     0,
     "Playlist display-mode",
     {"Show filename only", "Show full path"},
     At(16, 100, 408, 66),
     1,
     &Settings::ShowFullPath},
    {2,
     1,
     "Doubleclick in playlist means:",
     {"Play playlist from here", "Play this track only", "Remove track from playlist"},
     At(16, 42, 408, 86),
     1,
     nullptr},
    {6,
     1,
     "Dropping directories in playlist means:",
     {"Get mp3-files in dropped directory only", "Recurse down in dropped directory and get all mp3-files"},
     At(16, 138, 408, 66),
     1,
     &Settings::RecurseDroppedDirectories},
    {4,
     1,
     "Drag in filelist means:",
     {"Multiselect files", "Start Drag'n'Drop"},
     At(16, 214, 200, 66),
     1,
     &Settings::FileDragStartsDrag},
    {3,
     1,
     "Drag in playlist means:",
     {"Multiselect tracks", "Move track"},
     At(224, 214, 200, 66),
     1,
     &Settings::DragMovesTracks},
    {5,
     2,
     "Track numbering in Melvane3 on singleplay:",
     {"Show first track played as number 1",
      "Number tracks after current playlist (a bit slower, but a lot nicer)"},
     At(16, 42, 408, 66),
     1,
     &Settings::NumberAfterPlaylist},
    {7,
     2,
     "Window-handling of Melvane3:",
     {"Don't interfere", "Always keep Melvane3-window on top", "Bring Melvane3-window to top at operation",
      "Always hide Melvane3-window"},
     At(16, 116, 408, 106),
     1,
     nullptr},
    {8,
     2,
     "Appearance of Melvane3:",
     {"Normal window - Show all", "Normal window - Time only", "No menu/titlebar - Show all",
      "No menu/titlebar - Time only"},
     At(16, 230, 408, 66),
     2,
     nullptr},
};

struct CheckBoxRow {
    int Box;
    int Page;
    const char* Caption;
    RECT Bounds;
    bool Settings::*Field;
};

// In tab order; the doubled "&" shows as one.
constexpr CheckBoxRow CheckBoxes[] = {
    {1, 0, "Autoplay playlist after Random-button clicked", At(16, 178, 408, 20),
     &Settings::AutoPlayAfterRandom},
    {3, 0, "Autoplay files given as argument at startup (*.m3u && *.mp3-files)", At(16, 202, 408, 20),
     &Settings::AutoPlayArguments},
    {2, 0, "Restore playlist from last session on startup", At(16, 226, 408, 20),
     &Settings::RememberPlaylist},
    {4, 2, "Close Melvane3 at Exit", At(26, 302, 190, 20), &Settings::ClosePlayerAtExit},
    {5, 2, "Restore Melvane3 at Exit", At(234, 302, 188, 20), &Settings::RestorePlayerAtExit},
};

// The order in which opening the dialog shows the fields: radio groups and check boxes by number.
constexpr int RadioCopyOrder[] = {1, 2, 7, 8, 3, 4, 5, 6};
constexpr int CheckCopyOrder[] = {1, 2, 3, 4, 5};

constexpr DWORD Tab = WS_TABSTOP | WS_GROUP;
constexpr int ItemHeight = 20;

int ItemCount(const RadioGroupRow& row) {
    int count = 0;
    while (count < static_cast<int>(row.Items.size()) &&
           row.Items[static_cast<std::size_t>(count)] != nullptr) {
        ++count;
    }
    return count;
}

const RadioGroupRow& RadioGroup(int group) {
    for (const RadioGroupRow& row : RadioGroups) {
        if (row.Group == group) {
            return row;
        }
    }
    return RadioGroups[0];
}

const CheckBoxRow& CheckBox(int box) {
    for (const CheckBoxRow& row : CheckBoxes) {
        if (row.Box == box) {
            return row;
        }
    }
    return CheckBoxes[0];
}

// Items fill the columns top to bottom, one column after the other.
RECT ItemBounds(const RadioGroupRow& row, int item) {
    const int rows = (ItemCount(row) + row.Columns - 1) / row.Columns;
    const int width = (row.Frame.right - row.Frame.left - 16) / row.Columns;
    return At(row.Frame.left + 10 + item / rows * width, row.Frame.top + 18 + item % rows * ItemHeight,
              width - 4, ItemHeight);
}

struct PagedControl {
    DialogControl Control;
    int Page; // -1 on every page
};

std::vector<PagedControl> Layout() {
    std::vector<PagedControl> controls{
        {{IdPageControl1, WC_TABCONTROLA, "", WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, At(8, 8, 424, 322)},
         -1},
        {{0, "STATIC", "Location of \"Melvane3.exe\":", SS_LEFT | SS_NOPREFIX, At(16, 44, 300, 16)}, 0},
        {{IdPanel1, "STATIC", "", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS | SS_SUNKEN | SS_CENTERIMAGE,
          At(16, 62, 318, 24)},
         0},
        {{IdButton1, "BUTTON", "Change", Tab | BS_PUSHBUTTON, At(342, 62, 82, 24)}, 0},
    };
    for (int page = 0; page < PageCount; ++page) {
        for (const RadioGroupRow& row : RadioGroups) {
            if (row.Page != page) {
                continue;
            }
            controls.push_back({{0, "BUTTON", row.Caption, BS_GROUPBOX | WS_GROUP, row.Frame}, page});
            for (int item = 0; item < ItemCount(row); ++item) {
                const DWORD style = BS_AUTORADIOBUTTON | (item == 0 ? WS_GROUP : 0);
                controls.push_back({{Form2::RadioItemId(row.Group, item), "BUTTON",
                                     row.Items[static_cast<std::size_t>(item)], style, ItemBounds(row, item)},
                                    page});
            }
        }
        for (const CheckBoxRow& row : CheckBoxes) {
            if (row.Page == page) {
                controls.push_back(
                    {{IdCheckBox1 + row.Box - 1, "BUTTON", row.Caption, Tab | BS_AUTOCHECKBOX, row.Bounds},
                     page});
            }
        }
    }
    controls.push_back({{IdButton2, "BUTTON", "Close", Tab | BS_DEFPUSHBUTTON, At(357, 340, 75, 25)}, -1});
    return controls;
}

} // namespace

void Form2::Create(HWND main) {
    DialogWindow::Create(main, "Tundeck Setup", 440, 372);
    const std::vector<PagedControl> layout = Layout();
    std::vector<DialogControl> controls;
    for (const PagedControl& paged : layout) {
        controls.push_back(paged.Control);
    }
    const std::vector<HWND> windows = CreateControls(controls);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        pages_.emplace_back(windows[i], layout[i].Page);
    }
    HWND tabs = Control(IdPageControl1);
    // A themed page would paint lighter than the dialog behind the controls standing on it.
    SetWindowTheme(tabs, L" ", L" ");
    for (int page = 0; page < PageCount; ++page) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(PageNames[page]);
        SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
    }
    // Before the first opening each group shows its first item, so opening runs a group's
    // handler only for a value other than that one.
    for (const RadioGroupRow& row : RadioGroups) {
        SendMessageA(Control(RadioItemId(row.Group, 0)), BM_SETCHECK, BST_CHECKED, 0);
    }
    ShowPage(0);
}

void Form2::ShowPage(int page) {
    page_ = page;
    SendMessageA(Control(IdPageControl1), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    HWND focus = GetFocus();
    for (const auto& [window, shownOn] : pages_) {
        if (shownOn != -1) {
            ShowWindow(window, shownOn == page ? SW_SHOWNA : SW_HIDE);
        }
    }
    if (focus != nullptr && IsChild(Handle(), focus) && !IsWindowVisible(focus)) {
        SetFocus(Control(IdPageControl1));
    }
}

void Form2::OnTabChange(int id) {
    if (id == IdPageControl1) {
        ShowPage(static_cast<int>(SendMessageA(Control(IdPageControl1), TCM_GETCURSEL, 0, 0)));
    }
}

bool Form2::PreTranslate(MSG& msg) {
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages, as in every tabbed dialog.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        ShowPage((page_ + (GetKeyState(VK_SHIFT) < 0 ? PageCount - 1 : 1)) % PageCount);
        return true;
    }
    return DialogWindow::PreTranslate(msg);
}

void Form2::ShowSetupDialog() {
    ShowOverOwner(Control(IdButton2));
    ShowPlayerExecutable();
    for (int group : RadioCopyOrder) {
        ShowRadioItem(group, RadioValue(group));
    }
    for (int box : CheckCopyOrder) {
        ShowCheck(box, settings_.*CheckBox(box).Field);
    }
    EnableWindow(Control(IdCheckBox1 + 4), !settings_.ClosePlayerAtExit);
}

void Form2::CloseSetupDialog() {
    ReturnToOwner();
    target_.UpdatePopupDefaults();
}

bool Form2::OnClose() {
    CloseSetupDialog();
    return true;
}

void Form2::OnDestroy() {
    // The end of the program closes the dialog as its Close button does.
    if (IsWindowVisible(Handle())) {
        CloseSetupDialog();
    }
}

void Form2::OnCommand(int id, int code, HWND /*control*/) {
    if (code != BN_CLICKED) {
        return;
    }
    if (id == IdButton2 || id == IDCANCEL) { // Escape: as the frame's close box
        CloseSetupDialog();
    } else if (id == IdButton1) {
        LocatePlayerExecutable();
    } else if (id >= IdCheckBox1 && id < IdCheckBox1 + static_cast<int>(std::size(CheckBoxes))) {
        CheckBoxClick(id - IdCheckBox1 + 1);
    } else if (id >= IdRadioGroup1 &&
               id < Form2::RadioItemId(static_cast<int>(std::size(RadioGroups)) + 1, 0)) {
        const int group = (id - IdRadioGroup1) / 10 + 1;
        const int item = (id - IdRadioGroup1) % 10;
        if (item != RadioValue(group)) { // the item the group already shows: no change
            RadioGroupClick(group, item);
        }
    }
}

void Form2::LocatePlayerExecutable() {
    // Asked at least once; a cancel keeps the old path only while its file is there.
    do {
        AskForPlayer(Ui(), Owner(), settings_.PlayerExecutable);
    } while (!FileExists(settings_.PlayerExecutable));
    ShowPlayerExecutable();
}

void Form2::ShowPlayerExecutable() {
    SetWindowTextA(Control(IdPanel1), (" " + settings_.PlayerExecutable).c_str());
}

int Form2::RadioValue(int group) const {
    if (const bool Settings::*flag = RadioGroup(group).Flag) {
        return settings_.*flag ? 1 : 0;
    }
    switch (group) {
    case 2:
        return settings_.DoubleClickAction - 1;
    case 7:
        return settings_.PlayerWindowHandling;
    default:
        return settings_.PlayerAppearance;
    }
}

void Form2::RadioGroupClick(int group, int item) {
    if (bool Settings::*flag = RadioGroup(group).Flag) {
        settings_.*flag = item == 1;
        if (group == 1) {
            target_.SetDisplayMode(settings_.ShowFullPath);
        }
    } else if (group == 2) {
        settings_.DoubleClickAction = static_cast<std::uint8_t>(item + 1);
    } else if (group == 7) {
        target_.SetPlayerWindowHandling(static_cast<std::uint8_t>(item));
    } else {
        settings_.PlayerAppearance = item;
        target_.ApplyPlayerAppearance(item);
    }
}

void Form2::CheckBoxClick(int box) {
    const bool checked = SendMessageA(Control(IdCheckBox1 + box - 1), BM_GETCHECK, 0, 0) == BST_CHECKED;
    settings_.*CheckBox(box).Field = checked;
    if (box == 4) { // the player closed at exit is not restored: greyed, keeping its state
        EnableWindow(Control(IdCheckBox1 + 4), !checked);
    }
}

void Form2::ShowRadioItem(int group, int item) {
    const int count = ItemCount(RadioGroup(group));
    int shown = -1;
    for (int i = 0; i < count; ++i) {
        if (SendMessageA(Control(RadioItemId(group, i)), BM_GETCHECK, 0, 0) == BST_CHECKED) {
            shown = i;
        }
    }
    if (shown == item) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        SendMessageA(Control(RadioItemId(group, i)), BM_SETCHECK, i == item ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (item >= 0 && item < count) {
        RadioGroupClick(group, item);
    }
}

void Form2::ShowCheck(int box, bool checked) {
    HWND control = Control(IdCheckBox1 + box - 1);
    if ((SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked) {
        SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        CheckBoxClick(box);
    }
}

} // namespace tundeck
