#pragma once
// The visible list the playlist keeps in step with its entries: the list box in the program, a
// fake in tests. It holds the selection and the caret; the rows' texts stay in the playlist,
// which the list box asks for a row's text when it draws the row.

#include <vector>

namespace tundeck {

class ListWidget {
public:
    virtual ~ListWidget() = default;

    virtual int Count() const = 0;
    // Inserts `count` rows at `row` (-1 appends). The new rows come in unselected; later rows
    // move down with their selected flags. The caret and the anchor keep their numbers.
    virtual void InsertRows(int row, int count) = 0;
    // Later rows move up with their flags; a row out of range deletes nothing.
    virtual void DeleteRow(int row) = 0;

    virtual bool Selected(int row) const = 0;
    // Setting a flag also makes the row the caret and the anchor and scrolls it fully into view;
    // clearing one moves neither.
    virtual void SetSelected(int row, bool selected) = 0;
    // Sets the flags of rows first..last (within the list) in one go; the caret stays.
    virtual void SelectRange(int first, int last, bool selected) = 0;
    virtual int SelectedCount() const = 0;
    // Ascending.
    virtual std::vector<int> SelectedRows() const = 0;
    // The row with the focus rectangle.
    virtual int FocusedRow() const = 0;
    // The row shown at the top, how many whole rows the list shows, and the top row set: the
    // caret and the anchor stay.
    virtual int TopRow() const = 0;
    virtual int PageRows() const = 0;
    virtual void SetTopRow(int row) = 0;

    // Makes the list `count` rows long in one go; the rows in `selected` come back selected, all
    // others unselected. The caret, the anchor and the scrolled-to row stay where they were as
    // far as the new count allows, so a refill does not move the user's place in the list.
    virtual void ReplaceAll(int count, const std::vector<int>& selected) = 0;
    // The rows' texts changed: they are drawn anew.
    virtual void TextsChanged() = 0;
    // Bulk changes run between these; pairs nest, and the list repaints once at the outermost
    // resume.
    virtual void SuspendRedraw() = 0;
    virtual void ResumeRedraw() = 0;
};

// Redraw suspended for the lifetime of the object.
class RedrawSuspended {
public:
    explicit RedrawSuspended(ListWidget& widget) : widget_(widget) { widget_.SuspendRedraw(); }
    ~RedrawSuspended() { widget_.ResumeRedraw(); }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    ListWidget& widget_;
};

} // namespace tundeck
