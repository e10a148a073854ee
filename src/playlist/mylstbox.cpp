#include "playlist/mylstbox.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>

namespace tundeck {

namespace {

constexpr UINT_PTR SubclassId = 1;

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

} // namespace

myListBox::~myListBox() {
    if (list_ != nullptr && IsWindow(list_)) {
        RemoveWindowSubclass(list_, &myListBox::SubclassProcedure, SubclassId);
    }
}

void myListBox::Attach(HWND list) {
    list_ = list;
    SetWindowSubclass(list_, &myListBox::SubclassProcedure, SubclassId, 0);
}

LRESULT CALLBACK myListBox::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR) noexcept {
    // The list box handles the click first, so the selection is up to date for the parent.
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (IsButtonDown(message) || IsButtonUp(message)) {
        SendMessageA(GetParent(window), ListBoxMouseMessage, message, lParam);
    }
    return result;
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

int myListBox::InsertionPositionAt(POINT point) const {
    RECT client{};
    GetClientRect(list_, &client);
    if (!PtInRect(&client, point)) {
        return -1;
    }
    // LB_ITEMFROMPOINT answers in 16 bits; the row follows from the top row and the row height.
    const int top = static_cast<int>(SendMessageA(list_, LB_GETTOPINDEX, 0, 0));
    const int height = std::max(1, static_cast<int>(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0)));
    return std::min(top + static_cast<int>(point.y) / height, Count());
}

int myListBox::RowAt(POINT point) const {
    const int row = InsertionPositionAt(point);
    return row < Count() ? row : -1;
}

} // namespace tundeck
