#pragma once
// The playlist's list box: an extended-selection list box that keeps only the count and the
// selection (LBS_NODATA), so a refill of a million rows is one message; its rows are drawn with
// the playlist's texts. Hit tests work past 65,535 rows; its mouse events reach the main window
// as child mouse events. Its rows' texts, read back, are the drawn ones: for LB_GETTEXT and for
// screen readers and automation tools.

#include "framework/controls_win.h"
#include "playlist/list_widget.h"

#include <windows.h>

#include <string_view>

namespace tundeck {

class Playlist;

class myListBox : public ListWidget, private ListRowTexts {
public:
    myListBox() = default;
    myListBox(const myListBox&) = delete;
    myListBox& operator=(const myListBox&) = delete;

    // Takes over an existing LISTBOX with LBS_EXTENDEDSEL, LBS_OWNERDRAWFIXED and LBS_NODATA,
    // its font already set: the rows get the font's height, as text rows of a list box have.
    // `texts` (which outlives the window) gives the rows' texts to those who read them back.
    void Attach(HWND list, const Playlist* texts = nullptr);
    HWND Handle() const { return list_; }

    int Count() const override;
    void InsertRows(int row, int count) override;
    void DeleteRow(int row) override;
    bool Selected(int row) const override;
    void SetSelected(int row, bool selected) override;
    void SelectRange(int first, int last, bool selected) override;
    int SelectedCount() const override;
    std::vector<int> SelectedRows() const override;
    int FocusedRow() const override;
    int TopRow() const override;
    int PageRows() const override;
    void SetTopRow(int row) override;
    void ReplaceAll(int count, const std::vector<int>& selected) override;
    void TextsChanged() override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;

    // Draws one row for WM_DRAWITEM as a list box draws its text rows.
    static void DrawRow(const DRAWITEMSTRUCT& item, ShownText text);

    // The row whose rectangle holds `point`, -1 for none or a point outside the client area.
    int RowAt(POINT point) const;
    // As RowAt, but a point in the client area below the last row gives the row count.
    int InsertionPositionAt(POINT point) const;

private:
    ShownText RowText(int row) const override;
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Selects `rows` (ascending, within 0..last) a run of consecutive rows at a time.
    void SelectRuns(const std::vector<int>& rows, int last);

    HWND list_ = nullptr;
    const Playlist* texts_ = nullptr;
    int redrawSuspensions_ = 0;
};

} // namespace tundeck
