#include "playlist/mylstbox.h"

#include "framework/wide_names_win.h"
#include "playlist/playlist.h"

#include <algorithm>
#include <cstddef>

namespace tundeck {

void myListBox::Attach(HWND list, const Playlist* texts) {
    list_ = list;
    texts_ = texts;
    ReportMouseToParent(list_, true, texts_ != nullptr ? this : nullptr); // Enter acts on the focused row
    // An owner-drawn list keeps the height its parent measured at creation, before the font.
    HDC dc = GetDC(list_);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list_, dc);
    Send(LB_SETITEMHEIGHT, 0, std::max<LONG>(metrics.tmHeight, 1));
}

ShownText myListBox::RowText(int row) const {
    return row < texts_->Count() ? texts_->Shown(row) : ShownText(); // as DrawItem draws it
}

LRESULT myListBox::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(list_, message, wParam, lParam);
}

int myListBox::Count() const {
    return static_cast<int>(Send(LB_GETCOUNT, 0, 0));
}

void myListBox::InsertRows(int row, int count) {
    const int rows = Count();
    if (count <= 0) {
        return;
    }
    if (row == -1 || row == rows) {
        Send(LB_SETCOUNT, static_cast<WPARAM>(rows + count), 0); // the flags stay
    } else if (count == 1) {
        Send(LB_INSERTSTRING, static_cast<WPARAM>(row), 0);
    } else {
        // One insertion per row would move the flags behind it once per row.
        std::vector<int> selected = SelectedRows();
        for (int& flagged : selected) {
            flagged += flagged >= row ? count : 0;
        }
        ReplaceAll(rows + count, selected);
    }
}

void myListBox::DeleteRow(int row) {
    Send(LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

bool myListBox::Selected(int row) const {
    return Send(LB_GETSEL, static_cast<WPARAM>(row), 0) > 0;
}

void myListBox::SetSelected(int row, bool selected) {
    Send(LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(row));
}

void myListBox::SelectRange(int first, int last, bool selected) {
    if (first > last) {
        return;
    }
    if (selected) {
        Send(LB_SELITEMRANGEEX, static_cast<WPARAM>(first), last);
    } else if (first == 0 && last == Count() - 1) {
        Send(LB_SETSEL, FALSE, -1);
    } else if (first < last) {
        Send(LB_SELITEMRANGEEX, static_cast<WPARAM>(last), first); // a reversed range deselects
    } else {
        Send(LB_SETSEL, FALSE, first);
    }
}

int myListBox::SelectedCount() const {
    return std::max(0, static_cast<int>(Send(LB_GETSELCOUNT, 0, 0)));
}

std::vector<int> myListBox::SelectedRows() const {
    std::vector<int> rows(static_cast<std::size_t>(SelectedCount()));
    if (!rows.empty()) {
        const LRESULT got = Send(LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
        rows.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    }
    return rows;
}

int myListBox::TopRow() const {
    return static_cast<int>(Send(LB_GETTOPINDEX, 0, 0));
}

int myListBox::PageRows() const {
    RECT client{};
    GetClientRect(list_, &client);
    return std::max(1, static_cast<int>(client.bottom / std::max<LRESULT>(Send(LB_GETITEMHEIGHT, 0, 0), 1)));
}

void myListBox::SetTopRow(int row) {
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
}

int myListBox::FocusedRow() const {
    return static_cast<int>(Send(LB_GETCARETINDEX, 0, 0));
}

void myListBox::ReplaceAll(int count, const std::vector<int>& selected) {
    RedrawSuspended quiet(*this);
    const LRESULT caret = Send(LB_GETCARETINDEX, 0, 0);
    const LRESULT anchor = Send(LB_GETANCHORINDEX, 0, 0);
    const LRESULT top = Send(LB_GETTOPINDEX, 0, 0);
    Send(LB_SETSEL, FALSE, -1);
    Send(LB_SETCOUNT, static_cast<WPARAM>(std::max(count, 0)), 0);
    const LRESULT last = static_cast<LRESULT>(count) - 1;
    SelectRuns(selected, static_cast<int>(last));
    if (last < 0) {
        return;
    }
    // A shorter list moved the caret, the anchor and the view: keep them as near the user's place
    // as the new count allows.
    if (anchor >= 0) {
        Send(LB_SETANCHORINDEX, static_cast<WPARAM>(std::min(anchor, last)), 0);
    }
    Send(LB_SETCARETINDEX, static_cast<WPARAM>(std::clamp<LRESULT>(caret, 0, last)), FALSE);
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(std::clamp<LRESULT>(top, 0, last)), 0);
}

void myListBox::TextsChanged() {
    InvalidateRect(list_, nullptr, TRUE);
}

void myListBox::DrawRow(const DRAWITEMSTRUCT& item, ShownText text) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    constexpr UINT Options = ETO_OPAQUE | ETO_CLIPPED;
    if (text.Utf8) {
        const std::wstring wide = WideText(text);
        ExtTextOutW(dc, item.rcItem.left + 1, item.rcItem.top, Options, &item.rcItem, wide.data(),
                    static_cast<UINT>(wide.size()), nullptr);
    } else {
        ExtTextOutA(dc, item.rcItem.left + 1, item.rcItem.top, Options, &item.rcItem, text.Text.data(),
                    static_cast<UINT>(text.Text.size()), nullptr);
    }
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        DrawFocusRect(dc, &item.rcItem);
    }
}

void myListBox::SelectRuns(const std::vector<int>& rows, int last) {
    // LB_SETSEL would move the caret to every row it selects, and under Wine each caret move
    // costs as much as a scroll: 10,000 rows took 4 s. A range selects without moving it.
    std::size_t i = 0;
    while (i < rows.size()) {
        const int first = rows[i];
        int end = first;
        while (++i < rows.size() && rows[i] == end + 1) {
            ++end;
        }
        if (first >= 0 && first <= last) {
            Send(LB_SELITEMRANGEEX, static_cast<WPARAM>(first), std::min(end, last));
        }
    }
}

void myListBox::SuspendRedraw() {
    if (redrawSuspensions_++ == 0) {
        Send(WM_SETREDRAW, FALSE, 0);
    }
}

void myListBox::ResumeRedraw() {
    if (--redrawSuspensions_ == 0) {
        Send(WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }
}

int myListBox::InsertionPositionAt(POINT point) const {
    return ListInsertionPositionAt(list_, point);
}

int myListBox::RowAt(POINT point) const {
    return ListRowAt(list_, point);
}

} // namespace tundeck
