#pragma once
// The playlist's list box: a standard extended-selection list box kept in step with the
// playlist model, with hit tests that work past 65,535 rows; its mouse events reach the
// main window as child mouse events.

#include "playlist/list_widget.h"

#include <windows.h>

namespace tundeck {

class myListBox : public ListWidget {
public:
    myListBox() = default;
    myListBox(const myListBox&) = delete;
    myListBox& operator=(const myListBox&) = delete;

    // Takes over an existing LISTBOX with LBS_EXTENDEDSEL.
    void Attach(HWND list);
    HWND Handle() const { return list_; }

    int Count() const override;
    void InsertRow(int row, const std::string& text) override;
    void DeleteRow(int row) override;
    bool Selected(int row) const override;
    void SetSelected(int row, bool selected) override;
    void SelectRange(int first, int last, bool selected) override;
    int SelectedCount() const override;
    std::vector<int> SelectedRows() const override;
    int FocusedRow() const override;
    void ReplaceAll(const std::vector<std::string>& texts, const std::vector<int>& selected) override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    void Reserve(int rows) override;

    // The row whose rectangle holds `point`, -1 for none or a point outside the client area.
    int RowAt(POINT point) const;
    // As RowAt, but a point in the client area below the last row gives the row count.
    int InsertionPositionAt(POINT point) const;

private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Selects `rows` (ascending, within 0..last) a run of consecutive rows at a time.
    void SelectRuns(const std::vector<int>& rows, int last);

    HWND list_ = nullptr;
    int redrawSuspensions_ = 0;
};

} // namespace tundeck
