#include "app/mp3.h"

#include "app/commands.h"
#include "app/transport_buttons_win.h"
#include "framework/file_io_win.h"
#include "playlist/m3u.h"
#include "playlist/playlist_files_win.h"
#include "trackinfo/time_totals_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>

namespace tundeck {

namespace {

constexpr const char* MainClassName = "TundeckMain";
constexpr const char* BrowserFilter = "Mp3-files (*.mp3;*.m3u)|*.mp3;*.m3u|All files (*.*)|*.*";
constexpr DWORD MainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int ListRowHeight = 18;

constexpr std::array<int, 4> StatusPanelWidths = {248, 89, 110, 126};
constexpr std::array<const char*, 4> StatusPanelTexts = {"", "Time:", "Sel. time:", "Total time:"};

constexpr MenuItemSpec MainMenu[] = {
    {"File", 0},
    {"Options...", CmdOptions},
    {"Save Playlist As...\tCtrl+S", CmdSavePlaylist},
    {"Exit", CmdExit},
    {nullptr, 0},
    {"Help", 0},
    {"About", CmdAbout},
    {nullptr, 0},
};

struct KindStyle {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

KindStyle StyleOf(ControlKind kind) {
    constexpr DWORD List = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    constexpr DWORD IconList = List | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    constexpr DWORD IconCombo = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;
    switch (kind) {
    case ControlKind::Label:
        return {"STATIC", SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::DriveSelector:
        return {"COMBOBOX", IconCombo, 0};
    case ControlKind::DirectoryList:
        return {"LISTBOX", IconList | LBS_WANTKEYBOARDINPUT, WS_EX_CLIENTEDGE};
    case ControlKind::FileList:
        return {"LISTBOX", IconList | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE};
    case ControlKind::FilterSelector:
        return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::Playlist:
        return {"LISTBOX", List | LBS_EXTENDEDSEL | WS_HSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::UpDown:
        return {UPDOWN_CLASSA, UDS_ARROWKEYS, 0};
    case ControlKind::GlyphButton:
        return {"BUTTON", BS_OWNERDRAW, 0};
    case ControlKind::Button:
        return {"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::StatusBar:
        return {STATUSCLASSNAMEA, SBARS_SIZEGRIP, 0};
    case ControlKind::Splitter:
        break; // a window of our own
    }
    return {"STATIC", 0, 0};
}

RECT ToRect(const DesignRect& r) {
    return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
}

TransportGlyph GlyphOf(int id) {
    return static_cast<TransportGlyph>(id - IdBitBtn1);
}

// The outer rectangle of a main window whose client area is `width` x `height` at (left, top).
RECT OuterRect(int left, int top, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, MainStyle, TRUE, 0);
    return {left, top, left + r.right - r.left, top + r.bottom - r.top};
}

} // namespace

Form1::Form1(UserInteraction& ui, std::string programDirectory, std::vector<std::string> arguments)
    : Window(ui), programDirectory_(std::move(programDirectory)), arguments_(std::move(arguments)),
      panel1_(ui, *this, SplitterDirection::Columns), panel2_(ui, *this, SplitterDirection::Rows) {}

void Form1::Create() {
    RegisterClass(MainClassName, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE));
    Window::Create(MainClassName, "Tundeck v1.4", MainStyle, 0,
                   OuterRect(10, 10, DesignClientWidth, DesignClientHeight), nullptr, nullptr);
}

Form1::~Form1() {
    Destroy(); // while the members the shut-down sequence uses still exist
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
}

HWND Form1::Control(ControlId id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void Form1::OnCreate() {
    font_ =
        Font(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
    CreateMenuAndShortcuts();
    CreateControls();
    tooltips_.Add(Control(IdButton7), RandomButtonHint);
    focused_ = Control(IdButton4);
    SetFocus(focused_);
    if (FileExists(SettingsPath(programDirectory_))) {
        ReadSettingsFile();
    }
    AdoptPlayerWindow(player_);
    OnResize();
    if (arguments_.empty() && settings_.RememberPlaylist) {
        ReadPlaylistFile(playlist_, TempPlaylistPath(), -1, false);
    }
    UpdateTimeTotals();
}

void Form1::OnDestroy() {
    // The whole playlist is remembered whatever the option says; the option decides whether
    // the next run reads it back.
    WritePlaylistFile(TempPlaylistPath(), playlist_.Paths());
    WriteSettingsFile();
    ReleasePlayerWindow(player_);
}

bool Form1::OnClose() {
    // The application destroys its windows in order once the event loop has ended.
    PostQuitMessage(0);
    return true;
}

void Form1::Exit4Click() {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void Form1::CreateMenuAndShortcuts() {
    SetMenu(Handle(), BuildMenuBar(MainMenu));
    ACCEL saveShortcut{FCONTROL | FVIRTKEY, 'S', CmdSavePlaylist};
    accelerators_ = CreateAcceleratorTableA(&saveShortcut, 1);
}

void Form1::CreateControls() {
    tooltips_.Create(Handle());
    for (const ControlSpec& info : MainControls()) {
        CreateControl(info);
    }
    statusBar_.Attach(Control(IdStatusBar1));
    statusBar_.SetWidths(StatusPanelWidths);
    for (int panel = 0; panel < static_cast<int>(StatusPanelTexts.size()); ++panel) {
        statusBar_.SetText(panel, StatusPanelTexts[static_cast<std::size_t>(panel)]);
    }
    HWND upDown = Control(IdUpDown1);
    SendMessageA(upDown, UDM_SETRANGE32, static_cast<WPARAM>(-32768), 32767);
    SendMessageA(upDown, UDM_SETPOS32, 0, 0);
    browser_.Attach(Control(IdDriveComboBox1), Control(IdDirectoryListBox1), Control(IdFileListBox1),
                    Control(IdFilterComboBox1), BrowserFilter);
    listBox1_.Attach(Control(IdListBox1));
    ReportMouseButtonsToParent(Control(IdFileListBox1));
}

void Form1::CreateControl(const ControlSpec& info) {
    if (info.Kind == ControlKind::Splitter) {
        Splitter& bar = info.Id == IdPanel1 ? panel1_ : panel2_;
        bar.Create(Handle(), info.Id, ToRect(info.Design));
        controls_[info.Id] = bar.Handle();
        return;
    }
    const KindStyle kind = StyleOf(info.Kind);
    const DWORD tabStop = info.TabOrder >= 0 ? WS_TABSTOP : 0;
    HWND control = CreateChild(Handle(), kind.className, info.Caption, kind.style | tabStop | WS_VISIBLE,
                               kind.exStyle, info.Id, ToRect(info.Design));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    controls_[info.Id] = control;
    if (info.HintShown && info.Hint[0] != '\0') {
        tooltips_.Add(control, info.Hint);
    }
}

void Form1::OnCommand(int id, int code, HWND control) {
    if (control != nullptr && browser_.OnCommand(control, code)) {
        return;
    }
    if (id == IdListBox1) {
        if (code == LBN_DBLCLK) {
            ListBoxDbl();
        }
        return;
    }
    if (id >= IdBitBtn1 && id <= IdBitBtn5) {
        TransportButtonClick(id);
        return;
    }
    switch (id) {
    case IdButton4:
        Button4Click();
        break;
    case IdButton5:
        Button5Click();
        break;
    case CmdExit:
        Exit4Click();
        break;
    case CmdSavePlaylist:
        SavePlaylist1Click();
        break;
    default:
        break;
    }
}

void Form1::OnSize(int /*width*/, int /*height*/) {
    if (!IsIconic(Handle())) {
        OnResize();
    }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_VKEYTOITEM:
        return browser_.OnKeyToItem(reinterpret_cast<HWND>(lParam), LOWORD(wParam)) ? -2 : -1;
    case ChildMouseMessage:
        ChildMouse(HIWORD(wParam), LOWORD(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        if (focused_ != nullptr) {
            SetFocus(focused_);
        }
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void Form1::OnActivate(bool active) {
    if (active) {
        if (focused_ != nullptr) {
            SetFocus(focused_);
        }
        return;
    }
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(Handle(), focus)) {
        focused_ = focus;
    }
}

void Form1::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID >= IdBitBtn1 && item.CtlID <= IdBitBtn5) {
        DrawTransportButton(item, GlyphOf(static_cast<int>(item.CtlID)));
        return;
    }
    browser_.OnDrawItem(item);
}

void Form1::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
    // Rows fit a small shell icon; the layout pass sets the closed height of the drop-down lists.
    item.itemHeight = item.itemID == static_cast<UINT>(-1) ? 16 : ListRowHeight;
}

void Form1::ChildMouse(int id, UINT message, POINT point) {
    if (id == IdListBox1) {
        ListBoxMouse(message, point);
    } else if (id == IdFileListBox1) {
        FileListMouse(message, point);
    }
}

void Form1::FileListMouse(UINT message, POINT point) {
    lastMousePoint_ = point;
    if (message == WM_RBUTTONUP) {
        filePopupIndex_ = ListRowAt(Control(IdFileListBox1), point);
    }
}

void Form1::ListBoxMouse(UINT message, POINT point) {
    lastMousePoint_ = point;
    if (IsButtonPress(message)) {
        pressedIndex_ = listBox1_.RowAt(point);
    } else if (message == WM_RBUTTONUP) {
        popupIndex_ = listBox1_.RowAt(point);
    } else if (message == WM_LBUTTONUP) {
        UpdateTimeTotals(); // a selection made with the mouse shows its time at once
    }
}

void Form1::UpdateTimeTotals() {
    tundeck::UpdateTimeTotals(playlist_, statusBar_);
}

void Form1::RemoveTrack(int index) {
    playlist_.RemoveTrack(index);
    UpdateTimeTotals();
}

void Form1::SavePlaylist1Click() {
    FileDialogOptions options;
    options.Title = "Enter filename for playlist";
    options.Filter = "Mp3-Playlist (*.m3u)|*.m3u";
    options.DefaultExtension = "m3u";
    options.FileName = "untitled.m3u";
    const std::optional<std::string> chosen = Ui().SaveFile(Handle(), options);
    if (!chosen || chosen->empty()) {
        return;
    }
    if (FileExists(*chosen)) {
        const std::string question = "       File '" + *chosen + "' already exists!       \r" +
                                     "       Do you want to overwrite it?       ";
        if (Ui().ShowMessage(Handle(), question, "Overwrite file?", MB_OKCANCEL) != IDOK) {
            return;
        }
    }
    // The old playlist stays whole until the new one is completely written.
    ReplaceFileBytes(*chosen, FormatPlaylistFile(playlist_.Paths()));
    browser_.Refresh();
}

void Form1::ReadSettingsFile() {
    const std::string text = ReadFileBytes(SettingsPath(programDirectory_));
    for (std::string_view line : SplitSettingsLines(text)) {
        ApplySettingsLine(line, settings_, *this);
    }
}

void Form1::WriteSettingsFile() {
    ReplaceFileBytes(SettingsPath(programDirectory_),
                     FormatSettingsFile(settings_, browser_.Directory(), Geometry()));
}

WindowGeometry Form1::Geometry() const {
    if (!IsIconic(Handle()) && !IsZoomed(Handle())) {
        RECT outer{};
        RECT client{};
        GetWindowRect(Handle(), &outer);
        GetClientRect(Handle(), &client);
        return {outer.left, outer.top, client.right, client.bottom};
    }
    // Minimised or maximised: the normal position and size are what the next run restores.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Handle(), &placement);
    const RECT normal = placement.rcNormalPosition;
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, MainStyle, TRUE, 0);
    return {normal.left, normal.top, (normal.right - normal.left) - (frame.right - frame.left),
            (normal.bottom - normal.top) - (frame.bottom - frame.top)};
}

bool Form1::SetBrowserDirectory(const std::string& directory) {
    return browser_.ChangeDirectory(directory);
}

void Form1::SetWindowLeft(std::int32_t left) {
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetWindowTop(std::int32_t top) {
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetClientWidth(std::int32_t width) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT outer = OuterRect(0, 0, width, client.bottom);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right, outer.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::SetClientHeight(std::int32_t height) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT outer = OuterRect(0, 0, client.right, height);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right, outer.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tundeck
