#include "framework/controls_win.h"

#include "framework/error.h"
#include "framework/list_accessible_win.h"
#include "framework/wide_names_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>

namespace tundeck {

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int id,
                 RECT bounds) {
    HWND child = CreateWindowExA(exStyle, className, text, style | WS_CHILD, bounds.left, bounds.top,
                                 bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                 nullptr);
    if (child == nullptr) {
        throw Error("Cannot create a control of class " + std::string(className));
    }
    return child;
}

Font CreateUiFont() {
    return Font(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
}

Font CreateDialogFont() {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return Font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, "MS Shell Dlg"));
}

namespace {

bool IsReportedMouseMessage(UINT message) {
    return message == WM_MOUSEMOVE || (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

bool IsEnterKey(LPARAM message) {
    const auto* msg = reinterpret_cast<const MSG*>(message);
    return msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
}

constexpr const char* ReportMark = "TundeckReportsMouse";

// What the subclass keeps for its control, in the control's GWLP_USERDATA, which the standard
// controls leave to their owner. SetWindowSubclass would look its chain up in a window property on
// every message, a round trip to the server under Wine: filling 100,000 rows took 15 s instead of
// 0.4 s.
struct Subclass {
    WNDPROC Own;
    bool WantsEnter;
    const ListRowTexts* RowTexts;
};

// LB_GETTEXTLEN, LB_GETTEXT and WM_GETOBJECT from the row texts; false to leave the message to
// the list's own procedure.
bool AnswerWithRowTexts(HWND list, const ListRowTexts& texts, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) {
    if (message == WM_GETOBJECT) {
        result = static_cast<LONG>(lParam) == OBJID_CLIENT ? ListAccessibleObject(list, wParam) : 0;
        return result != 0;
    }
    // Another thread's buffer, in another process perhaps: the list's own answer.
    if ((message != LB_GETTEXTLEN && message != LB_GETTEXT) || InSendMessage()) {
        return false;
    }
    const auto row = static_cast<LRESULT>(wParam);
    if (row < 0 || row >= SendMessageA(list, LB_GETCOUNT, 0, 0) || (message == LB_GETTEXT && lParam == 0)) {
        result = LB_ERR;
        return true;
    }
    const ShownText shown = texts.RowText(static_cast<int>(row));
    // A real name comes as the code page spells what it can of it, as an ANSI list gives it.
    const std::string spelt = shown.Utf8 ? LossyAnsi(WideText(shown)) : std::string();
    const std::string_view text = shown.Utf8 ? std::string_view(spelt) : shown.Text;
    if (message == LB_GETTEXT) {
        char* out = reinterpret_cast<char*>(lParam);
        out[text.copy(out, text.size())] = '\0';
    }
    result = static_cast<LRESULT>(text.size());
    return true;
}

LRESULT CALLBACK ReportingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_DROPFILES) {
        // The parent takes the drop whole, and releases it.
        return SendMessageA(GetParent(window), ChildDropMessage, wParam, GetDlgCtrlID(window));
    }
    const auto* subclass = reinterpret_cast<const Subclass*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    LRESULT answer = 0;
    if (subclass->RowTexts != nullptr &&
        AnswerWithRowTexts(window, *subclass->RowTexts, message, wParam, lParam, answer)) {
        return answer;
    }
    // The control handles the click first, so its selection is up to date for the parent.
    const LRESULT result = CallWindowProcA(subclass->Own, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, ReportMark);
        delete subclass;
    } else if (IsReportedMouseMessage(message)) {
        SendMessageA(GetParent(window), ChildMouseMessage, MAKEWPARAM(message, GetDlgCtrlID(window)), lParam);
    } else if (subclass->WantsEnter && message == WM_GETDLGCODE && IsEnterKey(lParam)) {
        return result | DLGC_WANTMESSAGE;
    }
    return result;
}

} // namespace

std::optional<std::wstring> ListRowText(HWND list, int row) {
    if (GetWindowThreadProcessId(list, nullptr) != GetCurrentThreadId() ||
        GetPropA(list, ReportMark) == nullptr) {
        return std::nullopt;
    }
    const auto* subclass = reinterpret_cast<const Subclass*>(GetWindowLongPtrA(list, GWLP_USERDATA));
    if (subclass == nullptr || subclass->RowTexts == nullptr || row < 0 ||
        row >= SendMessageA(list, LB_GETCOUNT, 0, 0)) {
        return std::nullopt;
    }
    return WideText(subclass->RowTexts->RowText(row));
}

void ReportMouseToParent(HWND control, bool wantsEnter, const ListRowTexts* rowTexts) {
    // Once only: a tooltip may have subclassed the control on top of us since.
    if (GetPropA(control, ReportMark) != nullptr) {
        return;
    }
    SetPropA(control, ReportMark, reinterpret_cast<HANDLE>(1));
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    SetWindowLongPtrA(control, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(new Subclass{current, wantsEnter, rowTexts}));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ReportingProcedure));
}

int ListInsertionPositionAt(HWND list, POINT point) {
    RECT client{};
    GetClientRect(list, &client);
    if (!PtInRect(&client, point)) {
        return -1;
    }
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    const int height = std::max(1, static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)));
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    return std::min(top + static_cast<int>(point.y) / height, count);
}

POINT ScreenPoint(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

int FocusedListRow(HWND list) {
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    const auto row = static_cast<int>(SendMessageA(list, LB_GETCARETINDEX, 0, 0));
    return row >= 0 && row < count ? row : -1;
}

POINT KeyboardMenuPoint(HWND list, int row) {
    RECT client{};
    GetClientRect(list, &client);
    RECT item{};
    POINT point{client.left, client.top};
    if (row >= 0 && SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                                 reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
        point = {item.left + 16, std::clamp(item.bottom, client.top, client.bottom)};
    }
    ClientToScreen(list, &point);
    return point;
}

int ListRowAt(HWND list, POINT point) {
    const int row = ListInsertionPositionAt(list, point);
    return row < static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)) ? row : -1;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

bool FocusMemory::Activate(HWND window, bool active) {
    if (active) {
        return Restore();
    }
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) {
        focused_ = focus;
    }
    return true;
}

bool FocusMemory::Restore() const {
    if (focused_ != nullptr) {
        SetFocus(focused_);
    }
    return true;
}

void Tooltips::Create(HWND owner) {
    owner_ = owner;
    tooltip_ = CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (tooltip_ == nullptr) {
        throw Error("Cannot create the tooltips");
    }
    // Room for hints of two lines.
    SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
}

void Tooltips::Add(HWND control, const std::string& text) {
    // A lone CR separates the lines of a hint; the tip control breaks lines at CR LF.
    std::string shown;
    for (char c : text) {
        shown += c;
        if (c == '\r') {
            shown += '\n';
        }
    }
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = shown.data(); // the tip control keeps a copy
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void StatusBar::SetWidths(std::span<const int> widths) {
    widths_.assign(widths.begin(), widths.end());
    std::vector<int> edges;
    int right = 0;
    for (std::size_t i = 0; i < widths_.size(); ++i) {
        right += widths_[i];
        edges.push_back(i + 1 == widths_.size() ? -1 : right);
    }
    SendMessageA(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::SetText(int panel, const std::string& text) {
    SendMessageA(bar_, SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::SetText(int panel, ShownText text) {
    if (!text.Utf8) {
        SetText(panel, std::string(text.Text));
        return;
    }
    SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(WideText(text).c_str()));
}

std::string StatusBar::Text(int panel) const {
    const LRESULT length = LOWORD(SendMessageA(bar_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(bar_, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

HMENU BuildMenuBar(std::span<const MenuItemSpec> items) {
    HMENU bar = CreateMenu();
    HMENU popup = nullptr;
    const char* popupCaption = nullptr;
    for (const MenuItemSpec& item : items) {
        if (item.Caption == nullptr) {
            AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), popupCaption);
            popup = nullptr;
        } else if (item.Id == 0) {
            popup = CreatePopupMenu();
            popupCaption = item.Caption;
        } else {
            AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.Id), item.Caption);
        }
    }
    return bar;
}

PopupMenu::PopupMenu(std::span<const MenuItemSpec> items) : menu_(CreatePopupMenu()) {
    if (menu_ == nullptr) {
        throw Error("Cannot create a popup menu");
    }
    for (const MenuItemSpec& item : items) {
        const UINT flags = MF_STRING | ((item.Flags & MenuItemDisabled) != 0 ? MF_GRAYED : 0) |
                           ((item.Flags & MenuItemColumnBreak) != 0 ? MF_MENUBARBREAK : 0);
        AppendMenuA(menu_, flags, static_cast<UINT_PTR>(item.Id), item.Caption);
    }
}

void PopupMenu::SetDefaultCommand(int id) {
    SetMenuDefaultItem(menu_, id == 0 ? static_cast<UINT>(-1) : static_cast<UINT>(id), FALSE);
}

void PopupMenu::Enable(int id, bool enabled) {
    EnableMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool PopupMenu::IsEnabled(int id) const {
    return (GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void PopupMenu::SetText(int position, const std::string& text) {
    // A menu takes "&" as the mark of a mnemonic: doubled, it shows as itself.
    std::string shown;
    for (char c : text) {
        shown += c == '&' ? "&&" : std::string(1, c);
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = shown.data();
    SetMenuItemInfoA(menu_, static_cast<UINT>(position), TRUE, &info);
}

void PopupMenu::SetText(int position, ShownText text) {
    if (!text.Utf8) {
        SetText(position, std::string(text.Text));
        return;
    }
    std::wstring shown;
    for (wchar_t c : WideText(text)) {
        shown += c == L'&' ? L"&&" : std::wstring(1, c);
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = shown.data();
    SetMenuItemInfoW(menu_, static_cast<UINT>(position), TRUE, &info);
}

std::string PopupMenu::Text(int position) const {
    char text[1024] = {};
    GetMenuStringA(menu_, static_cast<UINT>(position), text, static_cast<int>(sizeof text), MF_BYPOSITION);
    std::string shown;
    for (const char* c = text; *c != '\0'; ++c) {
        shown += *c;
        if (*c == '&' && c[1] == '&') {
            ++c;
        }
    }
    return shown;
}

int PopupMenu::Track(HWND owner, POINT screenPoint) const {
    return static_cast<int>(TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                           screenPoint.x, screenPoint.y, 0, owner, nullptr));
}

} // namespace tundeck
