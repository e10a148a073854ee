#include "framework/shell_icons_win.h"

#include "framework/wide_names_win.h"

#include <commctrl.h>
#include <shellapi.h>

namespace tundeck {

namespace {

int IconIndex(ShellIcon kind, const std::string& name, HIMAGELIST& list) {
    SHFILEINFOA info{};
    UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    const char* path = name.c_str();
    switch (kind) {
    case ShellIcon::Drive:
        break;
    case ShellIcon::OpenFolder:
        flags |= SHGFI_OPENICON;
        [[fallthrough]];
    case ShellIcon::ClosedFolder:
        flags |= SHGFI_USEFILEATTRIBUTES;
        attributes = FILE_ATTRIBUTE_DIRECTORY;
        path = "folder";
        break;
    case ShellIcon::File:
        flags |= SHGFI_USEFILEATTRIBUTES;
        break;
    }
    list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(path, attributes, &info, sizeof info, flags));
    return list != nullptr ? info.iIcon : -1;
}

} // namespace

void DrawShellIcon(HDC dc, ShellIcon kind, const std::string& name, int x, int y) {
    HIMAGELIST list = nullptr;
    const int index = IconIndex(kind, name, list);
    if (index >= 0) {
        ImageList_Draw(list, index, dc, x, y, ILD_TRANSPARENT);
    }
}

void DrawIconRow(const DRAWITEMSTRUCT& item, ShellIcon kind, const std::string& iconName, ShownText text,
                 int indent) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
        const int iconTop = r.top + (r.bottom - r.top - 16) / 2;
        DrawShellIcon(dc, kind, iconName, r.left + 2 + indent, iconTop);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT textRect = r;
        textRect.left += 22 + indent;
        constexpr UINT Format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        if (text.Utf8) {
            const std::wstring wide = WideText(text);
            DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &textRect, Format);
        } else {
            DrawTextA(dc, text.Text.data(), static_cast<int>(text.Text.size()), &textRect, Format);
        }
    }
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        DrawFocusRect(dc, &r);
    }
}

} // namespace tundeck
