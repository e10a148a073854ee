#include "app/main_controls_win.h"

#include "framework/controls_win.h"
#include "framework/error.h"

#include <commctrl.h>

namespace tundeck {

namespace {

struct KindStyle {
    ControlKind Kind;
    const char* ClassName;
    DWORD Style;
    DWORD ExStyle;
};

constexpr DWORD List = WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
constexpr DWORD IconList = List | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
constexpr DWORD IconCombo = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;

constexpr KindStyle KindStyles[] = {
    {ControlKind::Label, "STATIC", SS_CENTER | SS_NOPREFIX, 0},
    {ControlKind::DriveSelector, "COMBOBOX", IconCombo, 0},
    {ControlKind::DirectoryList, "LISTBOX", IconList | LBS_WANTKEYBOARDINPUT, WS_EX_CLIENTEDGE},
    {ControlKind::FileList, "LISTBOX", IconList | LBS_EXTENDEDSEL, WS_EX_CLIENTEDGE},
    {ControlKind::FilterSelector, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0},
    {ControlKind::Playlist, "LISTBOX",
     List | LBS_EXTENDEDSEL | LBS_WANTKEYBOARDINPUT | LBS_OWNERDRAWFIXED | LBS_NODATA | WS_HSCROLL,
     WS_EX_CLIENTEDGE},
    {ControlKind::UpDown, UPDOWN_CLASSA, UDS_ARROWKEYS, 0},
    {ControlKind::GlyphButton, "BUTTON", BS_OWNERDRAW, 0},
    {ControlKind::Button, "BUTTON", BS_PUSHBUTTON, 0},
    {ControlKind::StatusBar, STATUSCLASSNAMEA, SBARS_SIZEGRIP, 0},
};

const KindStyle& StyleOf(ControlKind kind) {
    for (const KindStyle& style : KindStyles) {
        if (style.Kind == kind) {
            return style;
        }
    }
    throw Error("No window class for this kind of control");
}

} // namespace

RECT DesignRectOf(const ControlSpec& info) {
    const DesignRect& r = info.Design;
    return {r.Left, r.Top, r.Left + r.Width, r.Top + r.Height};
}

HWND CreateMainControl(HWND parent, const ControlSpec& info, HFONT font) {
    const KindStyle& kind = StyleOf(info.Kind);
    const DWORD tabStop = info.TabOrder >= 0 ? WS_TABSTOP : 0;
    HWND control = CreateChild(parent, kind.ClassName, info.Caption, kind.Style | tabStop | WS_VISIBLE,
                               kind.ExStyle, info.Id, DesignRectOf(info));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

HWND MainControlHandles::operator[](ControlId id) const {
    const int index = id - IdLabel2;
    return index >= 0 && index < static_cast<int>(handles_.size()) ? handles_[static_cast<std::size_t>(index)]
                                                                   : nullptr;
}

MainControlHandles CreateMainControls(HWND parent, HFONT font, Tooltips& tooltips,
                                      const std::function<HWND(const ControlSpec&)>& createSplitter) {
    MainControlHandles handles;
    tooltips.Create(parent);
    for (const ControlSpec& info : MainControls()) {
        HWND control =
            info.Kind == ControlKind::Splitter ? createSplitter(info) : CreateMainControl(parent, info, font);
        handles.Set(info.Id, control);
        if (ResetsHoverInfo(info.Id)) {
            ReportMouseToParent(control);
        }
        if (info.HintShown && info.Hint[0] != '\0') {
            tooltips.Add(control, info.Hint);
        }
    }
    return handles;
}

} // namespace tundeck
