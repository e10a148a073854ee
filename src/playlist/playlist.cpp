#include "playlist/playlist.h"

#include "framework/error.h"
#include "playlist/display_text.h"
#include "playlist/playlist_history.h"

#include <algorithm>
#include <cstddef>

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

namespace {

// A row with a real path keeps "path\0real\0" in the arena, its display text in the real part.
std::string_view Stored(const PlaylistEntry& entry) {
    const std::string_view real = entry.RealPath();
    return real.empty() ? entry.Path
                        : std::string_view(entry.Path.data(), entry.Path.size() + real.size() + 2);
}

std::string_view TextOf(std::string_view path, std::string_view real, bool fullPath) {
    return real.empty() ? DisplayTextIn(path, fullPath) : RealDisplayTextIn(real, fullPath);
}

PlaylistEntry EntryOf(std::string_view stored, std::size_t pathSize, bool fullPath) {
    const std::string_view path = stored.substr(0, pathSize);
    const std::string_view real = pathSize == stored.size()
                                      ? std::string_view()
                                      : stored.substr(pathSize + 1, stored.size() - pathSize - 2);
    return {path, TextOf(path, real, fullPath)};
}

} // namespace

std::string_view PlaylistEntry::RealPath() const {
    const char* end = Path.data() + Path.size();
    return DisplayText.data() > end ? std::string_view(end + 1) : std::string_view();
}

PlaylistEntry Playlist::MakeEntry(std::string_view path) {
    const std::string real = realPaths_ != nullptr ? realPaths_(path) : std::string();
    if (real.empty()) {
        return EntryOf(paths_.Add(path), path.size(), showFullPath_);
    }
    std::string stored(path);
    stored += '\0';
    stored += real;
    stored += '\0';
    return EntryOf(paths_.Add(stored), path.size(), showFullPath_);
}

// Removed paths stay in the arena; once they outweigh the paths in use, those move to a fresh
// one. Small playlists never bother.
void Playlist::CompactPaths() {
    constexpr std::size_t slack = 1 << 20;
    if (paths_.BytesReleased() <= std::max(paths_.BytesInUse(), slack)) {
        return;
    }
    // The new store is filled aside: a failure on the way leaves every row in the old one.
    StringArena fresh;
    std::vector<std::string_view> moved;
    moved.reserve(entries_.size());
    for (const PlaylistEntry& entry : entries_) {
        moved.push_back(fresh.Add(Stored(entry)));
    }
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        PlaylistEntry& entry = entries_[row];
        const std::size_t textStart = static_cast<std::size_t>(entry.DisplayText.data() - entry.Path.data());
        entry = {moved[row].substr(0, entry.Path.size()),
                 moved[row].substr(textStart, entry.DisplayText.size())};
    }
    paths_ = std::move(fresh);
}

bool Playlist::Recording() const {
    return history_ != nullptr && history_->Recording();
}

void Playlist::AddTrack(std::string_view path, int position, bool select) {
    const int row = InsertionRow(position);
    // The entry first: the list draws its rows from the entries.
    entries_.insert(entries_.begin() + row, MakeEntry(path));
    ++revision_;
    if (Recording()) {
        history_->Inserted(*this, row, 1);
    }
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
        added.push_back(MakeEntry(path));
    }
    const int count = static_cast<int>(added.size());
    // One shift of the later entries instead of one per path.
    entries_.insert(entries_.begin() + first, added.begin(), added.end());
    ++revision_;
    if (Recording()) {
        history_->Inserted(*this, first, count);
    }
    RedrawSuspended quiet(widget_);
    widget_.InsertRows(position == -1 ? -1 : first, count);
    if (select) {
        widget_.SelectRange(first, first + count - 1, true);
        FollowFlags({first, first + count - 1}, widget_.TopRow()); // as one by one
    }
}

void Playlist::FollowFlags(const std::vector<int>& rows, int top) {
    if (rows.empty()) {
        return;
    }
    const int scrolled = ScrolledTo(top, widget_.PageRows(), rows);
    widget_.SetSelected(rows.back(), true);
    widget_.SetTopRow(scrolled);
}

bool Playlist::RemoveTrack(int index) {
    if (index < 0 || index >= Count()) {
        return false;
    }
    if (Recording()) {
        history_->Removing(*this, {index});
    }
    paths_.Release(Stored(entries_[static_cast<std::size_t>(index)]));
    entries_.erase(entries_.begin() + index);
    CompactPaths();
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
    if (Recording()) {
        history_->Moved(from, to);
    }
    widget_.DeleteRow(from);
    widget_.InsertRows(to, 1);
}

void Playlist::Clear() {
    auto [entries, paths] = TakeAll();
    if (Recording()) { // handed over whole: emptying a million rows stays as fast as it was
        history_->Cleared(std::move(entries), std::move(paths));
    }
}

void Playlist::SetDisplayMode(bool fullPath) {
    for (PlaylistEntry& entry : entries_) {
        const std::string_view real = entry.RealPath();
        entry.DisplayText =
            real.empty() ? DisplayTextIn(entry.Path, fullPath) : RealDisplayTextIn(real, fullPath);
    }
    widget_.TextsChanged(); // the rows keep their flags, the list its place
}

// What an arrangement does, told to the history as the rows it leaves out, then the new order of
// the rest.
void Playlist::RecordArrangement(const std::vector<int>& order) {
    if (order.size() == entries_.size()) {
        history_->Permuted(order);
        return;
    }
    std::vector<int> rank(entries_.size(), -1);
    for (int from : order) {
        rank[static_cast<std::size_t>(from)] = 0;
    }
    std::vector<int> removed;
    int kept = 0;
    for (std::size_t row = 0; row < rank.size(); ++row) {
        if (rank[row] < 0) {
            removed.push_back(static_cast<int>(row));
        } else {
            rank[row] = kept++;
        }
    }
    std::vector<int> rest(order.size());
    for (std::size_t row = 0; row < order.size(); ++row) {
        rest[row] = rank[static_cast<std::size_t>(order[row])];
    }
    history_->Removing(*this, removed);
    history_->Permuted(rest);
}

void Playlist::Rearrange(const Arrangement& arrangement) {
    std::vector<PlaylistEntry> arranged;
    arranged.reserve(arrangement.Order.size());
    std::vector<bool> kept(entries_.size());
    std::vector<int> selected;
    for (std::size_t row = 0; row < arrangement.Order.size(); ++row) {
        const std::size_t from = static_cast<std::size_t>(arrangement.Order[row]);
        arranged.push_back(entries_.at(from));
        kept[from] = true;
        if (arrangement.Selected[row]) {
            selected.push_back(static_cast<int>(row));
        }
    }
    if (Recording()) { // the arrangement is sure to be made from here on
        RecordArrangement(arrangement.Order);
    }
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (!kept[row]) {
            paths_.Release(Stored(entries_[row]));
        }
    }
    entries_ = std::move(arranged);
    CompactPaths();
    ++revision_;
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(Count(), selected);
    FollowFlags(arrangement.Flagged, widget_.TopRow());
}

void Playlist::InsertAt(const std::vector<int>& rows, const std::vector<std::string_view>& paths) {
    std::vector<PlaylistEntry> merged;
    merged.reserve(entries_.size() + paths.size());
    std::size_t old = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        while (merged.size() < static_cast<std::size_t>(rows[i])) {
            merged.push_back(entries_.at(old++));
        }
        merged.push_back(MakeEntry(paths.at(i)));
    }
    merged.insert(merged.end(), entries_.begin() + static_cast<std::ptrdiff_t>(old), entries_.end());
    entries_ = std::move(merged);
    ++revision_;
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(Count(), {});
}

void Playlist::RemoveAt(const std::vector<int>& rows) {
    Arrangement rest{{}, std::vector<bool>(entries_.size() - rows.size())};
    rest.Order.reserve(rest.Selected.size());
    std::size_t next = 0;
    for (int row = 0; row < Count(); ++row) {
        if (next < rows.size() && rows[next] == row) {
            ++next;
        } else {
            rest.Order.push_back(row);
        }
    }
    Rearrange(rest);
}

std::pair<std::vector<PlaylistEntry>, StringArena> Playlist::TakeAll() {
    std::pair<std::vector<PlaylistEntry>, StringArena> all{std::move(entries_), std::move(paths_)};
    entries_ = {};
    paths_ = StringArena(); // a moved arena keeps pointers into the blocks it gave away
    ++revision_;
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(0, {});
    return all;
}

void Playlist::RestoreAll(std::vector<PlaylistEntry> entries, StringArena paths) {
    entries_ = std::move(entries);
    paths_ = std::move(paths);
    SetDisplayMode(showFullPath_); // the mode may have changed since
    ++revision_;
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(Count(), {});
}

void Playlist::SetSelection(const std::vector<int>& rows) {
    RedrawSuspended quiet(widget_);
    widget_.ReplaceAll(Count(), rows);
}

std::string_view Playlist::Path(int row) const {
    CheckRow(row);
    return entries_[static_cast<std::size_t>(row)].Path;
}

std::string_view Playlist::DisplayText(int row) const {
    CheckRow(row);
    return entries_[static_cast<std::size_t>(row)].DisplayText;
}

ShownText Playlist::Shown(int row) const {
    CheckRow(row);
    return entries_[static_cast<std::size_t>(row)].Shown();
}

std::vector<std::string> Playlist::Paths() const {
    std::vector<std::string> paths;
    paths.reserve(entries_.size());
    for (const PlaylistEntry& entry : entries_) {
        paths.emplace_back(entry.Path);
    }
    return paths;
}

const CaseFold& AsciiCaseFold() {
    static const CaseFold fold = [] {
        CaseFold table{};
        for (int c = 0; c < 256; ++c) {
            table[static_cast<std::size_t>(c)] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        return table;
    }();
    return fold;
}

int Playlist::RowStartingWith(char character, int caret, const CaseFold& fold) const {
    const auto folded = [&](char c) { return fold[static_cast<unsigned char>(c)]; };
    const int count = Count();
    for (int step = 1; step <= count; ++step) {
        const int row = (std::max(caret, -1) + step) % count;
        const ShownText shown = entries_[static_cast<std::size_t>(row)].Shown();
        // A real name's first letter is the code page's only when it is ASCII.
        const bool comparable =
            !shown.Text.empty() && (!shown.Utf8 || static_cast<unsigned char>(shown.Text[0]) < 0x80);
        if (comparable && folded(shown.Text[0]) == folded(character)) {
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
