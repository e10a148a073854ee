#include "playlist/playlist.h"

#include "framework/error.h"
#include "playlist/display_text.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace tundeck {

Playlist::Playlist(ListWidget& widget, const bool& showFullPath)
    : widget_(widget), showFullPath_(showFullPath) {}

void Playlist::CheckRow(int row) const {
    if (row < 0 || row >= Count()) {
        throw Error("List index out of bounds");
    }
}

int Playlist::InsertionRow(int position) const {
    if (position < -1 || position > Count()) {
        throw Error("Unable to insert a line");
    }
    return position == -1 ? Count() : position;
}

void Playlist::AddTrack(std::string_view path, int position, bool select) {
    const int row = InsertionRow(position);
    // The entry first: the list draws its rows from the entries.
    entries_.insert(entries_.begin() + row, {std::string(path), MakeDisplayText(path, showFullPath_)});
    ++revision_;
    widget_.InsertRows(position == -1 ? -1 : row, 1);
    if (select) {
        widget_.SetSelected(row, true);
    }
}

void Playlist::AddTracks(const std::vector<std::string_view>& paths, int position, bool select) {
    const int first = InsertionRow(position);
    if (paths.empty()) {
        return;
    }
    std::vector<PlaylistEntry> added;
    added.reserve(paths.size());
    for (std::string_view path : paths) {
        added.push_back({std::string(path), MakeDisplayText(path, showFullPath_)});
    }
    const int count = static_cast<int>(added.size());
    // One shift of the later entries instead of one per path.
    entries_.insert(entries_.begin() + first, std::make_move_iterator(added.begin()),
                    std::make_move_iterator(added.end()));
    ++revision_;
    RedrawSuspended quiet(widget_);
    widget_.InsertRows(position == -1 ? -1 : first, count);
    if (select) {
        widget_.SelectRange(first, first + count - 1, true);
    }
}

bool Playlist::RemoveTrack(int index) {
    if (index < 0 || index >= Count()) {
        return false;
    }
    entries_.erase(entries_.begin() + index);
    widget_.DeleteRow(index);
    ++revision_;
    return true;
}

void Playlist::MoveTrack(int from, int to) {
    CheckRow(from);
    CheckRow(to);
    if (from == to) {
        return;
    }
    const auto at = [this](int row) { return entries_.begin() + row; };
    if (from < to) {
        std::rotate(at(from), at(from + 1), at(to + 1));
    } else {
        std::rotate(at(to), at(from), at(from + 1));
    }
    ++revision_;
    widget_.DeleteRow(from);
    widget_.InsertRows(to, 1);
}

void Playlist::Clear() {
    RedrawSuspended quiet(widget_);
    entries_.clear();
    ++revision_;
    widget_.ReplaceAll(0, {});
}

void Playlist::SetDisplayMode(bool fullPath) {
    for (PlaylistEntry& entry : entries_) {
        entry.DisplayText = MakeDisplayText(entry.Path, fullPath);
    }
    widget_.TextsChanged(); // the rows keep their flags, the list its place
}

void Playlist::Rearrange(const Arrangement& arrangement) {
    std::vector<PlaylistEntry> arranged;
    arranged.reserve(arrangement.Order.size());
    std::vector<int> selected;
    for (std::size_t row = 0; row < arrangement.Order.size(); ++row) {
        arranged.push_back(std::move(entries_.at(static_cast<std::size_t>(arrangement.Order[row]))));
        if (arrangement.Selected[row]) {
            selected.push_back(static_cast<int>(row));
        }
    }
    entries_ = std::move(arranged);
    ++revision_;
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(Count(), selected);
}

const std::string& Playlist::Path(int row) const {
    CheckRow(row);
    return entries_[static_cast<std::size_t>(row)].Path;
}

const std::string& Playlist::DisplayText(int row) const {
    CheckRow(row);
    return entries_[static_cast<std::size_t>(row)].DisplayText;
}

std::vector<std::string> Playlist::Paths() const {
    std::vector<std::string> paths;
    paths.reserve(entries_.size());
    for (const PlaylistEntry& entry : entries_) {
        paths.push_back(entry.Path);
    }
    return paths;
}

int Playlist::RowStartingWith(char character, int caret) const {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    const int count = Count();
    for (int step = 1; step <= count; ++step) {
        const int row = (std::max(caret, -1) + step) % count;
        const std::string& text = entries_[static_cast<std::size_t>(row)].DisplayText;
        if (!text.empty() && fold(text[0]) == fold(character)) {
            return row;
        }
    }
    return -1;
}

bool Playlist::Selected(int row) const {
    CheckRow(row);
    return widget_.Selected(row);
}

void Playlist::SetSelected(int row, bool selected) {
    CheckRow(row);
    widget_.SetSelected(row, selected);
}

void Playlist::SetAllSelected(bool selected) {
    if (!entries_.empty()) {
        widget_.SelectRange(0, Count() - 1, selected);
    }
}

std::vector<bool> Playlist::SelectedFlags() const {
    std::vector<bool> flags(entries_.size(), false);
    for (int row : widget_.SelectedRows()) {
        flags.at(static_cast<std::size_t>(row)) = true;
    }
    return flags;
}

} // namespace tundeck
