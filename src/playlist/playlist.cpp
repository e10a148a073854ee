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
    PlaylistEntry entry{std::string(path), MakeDisplayText(path, showFullPath_)};
    widget_.InsertRow(position == -1 ? -1 : row, entry.DisplayText);
    entries_.insert(entries_.begin() + row, std::move(entry));
    ++revision_;
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
    RedrawSuspended quiet(widget_);
    widget_.Reserve(static_cast<int>(added.size()));
    for (std::size_t i = 0; i < added.size(); ++i) {
        widget_.InsertRow(position == -1 ? -1 : first + static_cast<int>(i), added[i].DisplayText);
    }
    if (select && !added.empty()) {
        widget_.SelectRange(first, first + static_cast<int>(added.size()) - 1, true);
    }
    // One shift of the later entries instead of one per path.
    entries_.insert(entries_.begin() + first, std::make_move_iterator(added.begin()),
                    std::make_move_iterator(added.end()));
    ++revision_;
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
    widget_.DeleteRow(from);
    widget_.InsertRow(to, entries_[static_cast<std::size_t>(to)].DisplayText);
    ++revision_;
}

void Playlist::Clear() {
    RedrawSuspended quiet(widget_);
    entries_.clear();
    widget_.ReplaceAll({}, {});
    ++revision_;
}

void Playlist::SetDisplayMode(bool fullPath) {
    // Replacing a row's text clears its flag, so refill once with the flags set back.
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const PlaylistEntry& entry : entries_) {
        texts.push_back(MakeDisplayText(entry.Path, fullPath));
    }
    const std::vector<int> selected = widget_.SelectedRows();
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(texts, selected);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i].DisplayText = std::move(texts[i]);
    }
}

void Playlist::Rearrange(const Arrangement& arrangement) {
    std::vector<PlaylistEntry> arranged;
    arranged.reserve(arrangement.Order.size());
    std::vector<std::string> texts;
    texts.reserve(arrangement.Order.size());
    std::vector<int> selected;
    for (std::size_t row = 0; row < arrangement.Order.size(); ++row) {
        PlaylistEntry& entry = entries_.at(static_cast<std::size_t>(arrangement.Order[row]));
        texts.push_back(entry.DisplayText);
        arranged.push_back(std::move(entry));
        if (arrangement.Selected[row]) {
            selected.push_back(static_cast<int>(row));
        }
    }
    entries_ = std::move(arranged);
    ++revision_;
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(texts, selected);
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
