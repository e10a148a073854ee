#include "playlist/mylstbox.h"

#include "framework/controls_win.h"


#include <algorithm>
#include <cstddef>

namespace tundeck {

void myListBox::Attach(HWND list) {
    list_ = list;
    ReportMouseButtonsToParent(list_);
}

int myListBox::Count() const {
    return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
}

void myListBox::InsertRow(int row, const std::string& text) {
    SendMessageA(list_, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
}

void myListBox::DeleteRow(int row) {
    SendMessageA(list_, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

bool myListBox::Selected(int row) const {
    return SendMessageA(list_, LB_GETSEL, static_cast<WPARAM>(row), 0) > 0;
}

void myListBox::SetSelected(int row, bool selected) {
    SendMessageA(list_, LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(row));
}

int myListBox::SelectedCount() const {
    return std::max(0, static_cast<int>(SendMessageA(list_, LB_GETSELCOUNT, 0, 0)));
}

std::vector<int> myListBox::SelectedRows() const {
    std::vector<int> rows(static_cast<std::size_t>(SelectedCount()));
    if (!rows.empty()) {
        const LRESULT got =
            SendMessageA(list_, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
        rows.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    }
    return rows;
}

int myListBox::FocusedRow() const {
    return static_cast<int>(SendMessageA(list_, LB_GETCARETINDEX, 0, 0));
}

void myListBox::ReplaceAll(const std::vector<std::string>& texts) {
    RedrawSuspended quiet(*this);
    const LRESULT caret = SendMessageA(list_, LB_GETCARETINDEX, 0, 0);
    const LRESULT top = SendMessageA(list_, LB_GETTOPINDEX, 0, 0);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& text : texts) {
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const LRESULT last = static_cast<LRESULT>(texts.size()) - 1;
    if (last >= 0) {
        SendMessageA(list_, LB_SETCARETINDEX, static_cast<WPARAM>(std::clamp<LRESULT>(caret, 0, last)),
                     FALSE);
        SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(std::clamp<LRESULT>(top, 0, last)), 0);
    }
}

void myListBox::SuspendRedraw() {
    if (redrawSuspensions_++ == 0) {
        SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    }
}

void myListBox::ResumeRedraw() {
    if (--redrawSuspensions_ == 0) {
        SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
    }
}

int myListBox::InsertionPositionAt(POINT point) const { return ListInsertionPositionAt(list_, point); }

int myListBox::RowAt(POINT point) const { return ListRowAt(list_, point); }

} // namespace tundeck
