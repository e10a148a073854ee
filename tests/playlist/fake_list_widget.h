#pragma once
// A list widget with the list box's rules, kept in memory: an inserted row comes in unselected,
// flags and the caret move with their rows, deleting a row that is not there does nothing.

#include "playlist/list_widget.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace tundeck {

class FakeListWidget : public ListWidget {
public:
    struct Row {
        bool selected = false;
    };

    std::vector<Row> rows;
    int focused = 0;
    int top = 0;          // the row shown at the top
    int page = 10;        // whole rows in view
    int redrawDepth = 0;  // > 0 while suspended
    int refills = 0;      // ReplaceAll calls
    int quietRefills = 0; // ... made while redraw was suspended
    int textChanges = 0;  // TextsChanged calls

    int Count() const override { return static_cast<int>(rows.size()); }

    void InsertRows(int row, int count) override {
        if (row == -1) {
            row = Count();
        }
        if (row < 0 || row > Count() || count < 0) {
            throw std::out_of_range("insert beyond the end");
        }
        rows.insert(rows.begin() + row, static_cast<std::size_t>(count), Row{});
        if (row <= focused && Count() > count) {
            focused += count;
        }
    }

    void DeleteRow(int row) override {
        if (row < 0 || row >= Count()) {
            return;
        }
        rows.erase(rows.begin() + row);
        if (row < focused) {
            --focused;
        }
        ClampFocus();
    }

    bool Selected(int row) const override { return At(row).selected; }
    void SetSelected(int row, bool selected) override {
        At(row).selected = selected;
        if (selected) { // the row becomes the caret and is scrolled fully into view
            focused = row;
            top = row < top ? row : row >= top + page ? row - page + 1 : top;
        }
    }
    void SelectRange(int first, int last, bool selected) override {
        for (int row = first; row <= last; ++row) {
            At(row).selected = selected;
        }
    }

    int SelectedCount() const override { return static_cast<int>(SelectedRows().size()); }

    std::vector<int> SelectedRows() const override {
        std::vector<int> selected;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].selected) {
                selected.push_back(static_cast<int>(i));
            }
        }
        return selected;
    }

    int FocusedRow() const override { return focused; }
    int TopRow() const override { return top; }
    int PageRows() const override { return page; }
    void SetTopRow(int row) override { top = row; }

    void ReplaceAll(int count, const std::vector<int>& selected) override {
        rows.assign(static_cast<std::size_t>(count), Row{});
        for (int row : selected) {
            At(row).selected = true;
        }
        ClampFocus();
        ++refills;
        if (redrawDepth > 0) {
            ++quietRefills;
        }
    }

    void TextsChanged() override { ++textChanges; }
    void SuspendRedraw() override { ++redrawDepth; }
    void ResumeRedraw() override { --redrawDepth; }

private:
    Row& At(int row) { return rows.at(static_cast<std::size_t>(row)); }
    const Row& At(int row) const { return rows.at(static_cast<std::size_t>(row)); }
    void ClampFocus() {
        if (focused >= Count()) {
            focused = Count() > 0 ? Count() - 1 : 0;
        }
    }
};

} // namespace tundeck
