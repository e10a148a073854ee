#include "playlist/playlist_history.h"

#include <algorithm>
#include <cstddef>
#include <tuple>
#include <utility>

namespace tundeck {

namespace {

using Kind = PlaylistChange::Kind;

// Ascending rows as runs: pairs of first and last row.
std::vector<int> Runs(const std::vector<int>& rows) {
    std::vector<int> runs;
    for (int row : rows) {
        if (!runs.empty() && runs.back() + 1 == row) {
            runs.back() = row;
        } else {
            runs.insert(runs.end(), {row, row});
        }
    }
    return runs;
}

std::vector<int> RowsOf(const std::vector<int>& runs) {
    std::vector<int> rows;
    for (std::size_t i = 0; i + 1 < runs.size(); i += 2) {
        for (int row = runs[i]; row <= runs[i + 1]; ++row) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<int> Range(int first, std::size_t count) {
    std::vector<int> rows(count);
    for (std::size_t i = 0; i < count; ++i) {
        rows[i] = first + static_cast<int>(i);
    }
    return rows;
}

std::vector<int> InsertedRows(const PlaylistChange& insert) {
    return insert.Rows.empty() ? Range(insert.From, insert.Paths.Size()) : insert.Rows;
}

// The old row of each new row, from a permutation kept whole or as the rows that moved.
std::vector<int> OrderOf(const PlaylistChange& change, int count) {
    if (!change.Order.empty()) {
        return change.Order;
    }
    std::vector<int> order = Range(0, static_cast<std::size_t>(count));
    for (std::size_t i = 0; i + 1 < change.Rows.size(); i += 2) {
        order[static_cast<std::size_t>(change.Rows[i])] = change.Rows[i + 1];
    }
    return order;
}

void Arrange(Playlist& playlist, std::vector<int> order) {
    const std::size_t count = order.size();
    playlist.Rearrange(Arrangement{std::move(order), std::vector<bool>(count)});
}

void Redo(Playlist& playlist, PlaylistChange& change) {
    switch (change.What) {
    case Kind::Insert:
        playlist.InsertAt(InsertedRows(change), change.Paths.Views());
        break;
    case Kind::Remove:
        playlist.RemoveAt(change.Rows);
        break;
    case Kind::Permute:
        Arrange(playlist, OrderOf(change, playlist.Count()));
        break;
    case Kind::Move:
        playlist.MoveTrack(change.From, change.To);
        break;
    case Kind::Clear:
        std::tie(change.Entries, change.Arena) = playlist.TakeAll();
        break;
    }
}

void Undo(Playlist& playlist, PlaylistChange& change) {
    switch (change.What) {
    case Kind::Insert:
        playlist.RemoveAt(InsertedRows(change));
        break;
    case Kind::Remove:
        playlist.InsertAt(change.Rows, change.Paths.Views());
        break;
    case Kind::Permute: {
        const std::vector<int> order = OrderOf(change, playlist.Count());
        std::vector<int> back(order.size());
        for (std::size_t row = 0; row < order.size(); ++row) {
            back[static_cast<std::size_t>(order[row])] = static_cast<int>(row);
        }
        Arrange(playlist, std::move(back));
        break;
    }
    case Kind::Move:
        playlist.MoveTrack(change.To, change.From);
        break;
    case Kind::Clear:
        if (change.Paths.Size() > 0) { // kept compact
            playlist.InsertAt(Range(0, change.Paths.Size()), change.Paths.Views());
            change.Paths = {};
        } else {
            playlist.RestoreAll(std::exchange(change.Entries, {}), std::exchange(change.Arena, {}));
        }
        break;
    }
}

// The inserts of one step as one change: the rows they added, numbered as when the step ended,
// with their paths, so that undoing and doing them again is one pass however many there were.
PlaylistChange MergedInserts(const std::vector<PlaylistChange>& inserts) {
    std::vector<std::pair<int, std::string_view>> added;
    for (const PlaylistChange& insert : inserts) {
        const std::vector<std::string_view> paths = insert.Paths.Views();
        const int count = static_cast<int>(paths.size());
        for (auto& [row, path] : added) {
            row += row >= insert.From ? count : 0; // a later insert moves the rows from its own on
        }
        for (int i = 0; i < count; ++i) {
            added.emplace_back(insert.From + i, paths[static_cast<std::size_t>(i)]);
        }
    }
    std::sort(added.begin(), added.end());
    PlaylistChange merged;
    merged.What = Kind::Insert;
    std::size_t bytes = 0;
    for (const auto& entry : added) {
        bytes += entry.second.size();
    }
    merged.Paths.Reserve(added.size(), bytes);
    for (const auto& [row, path] : added) {
        merged.Rows.push_back(row);
        merged.Paths.Add(path);
    }
    return merged;
}

// A large emptied list kept as its paths alone, without the list's own slack.
void Compact(PlaylistChange& change) {
    if (change.What != Kind::Clear || change.Entries.empty()) {
        return;
    }
    std::size_t bytes = 0;
    for (const PlaylistEntry& entry : change.Entries) {
        bytes += entry.Path.size();
    }
    change.Paths.Reserve(change.Entries.size(), bytes);
    for (const PlaylistEntry& entry : change.Entries) {
        change.Paths.Add(entry.Path);
    }
    change.Entries = {};
    change.Arena = {};
}

} // namespace

std::vector<std::string_view> PathList::Views() const {
    std::vector<std::string_view> views;
    views.reserve(ends_.size());
    std::size_t start = 0;
    for (std::size_t end : ends_) {
        views.push_back(std::string_view(text_).substr(start, end - start));
        start = end;
    }
    return views;
}

std::size_t PlaylistChange::Bytes() const {
    return sizeof(*this) + (Rows.capacity() + Order.capacity()) * sizeof(int) + Paths.Bytes() +
           Entries.capacity() * sizeof(PlaylistEntry) + Arena.BytesHeld();
}

std::size_t PlaylistHistory::Step::Bytes() const {
    std::size_t bytes = sizeof(*this) + (Before.capacity() + After.capacity()) * sizeof(int);
    for (const PlaylistChange& change : Changes) {
        bytes += change.Bytes();
    }
    return bytes;
}

void PlaylistHistory::ForgetIfStale(const Playlist& playlist) {
    // A change made outside the steps leaves them describing another playlist.
    if (playlist.Revision() != revision_) {
        Forget();
        revision_ = playlist.Revision();
    }
}

void PlaylistHistory::Forget() {
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}

void PlaylistHistory::Begin(const Playlist& playlist) {
    if (depth_ > 0) {
        ++depth_;
        return;
    }
    ForgetIfStale(playlist);
    Step step;
    step.Before = Runs(playlist.SelectedRows());
    open_ = std::move(step);
    broken_ = false;
    depth_ = 1;
}

void PlaylistHistory::End(const Playlist& playlist) noexcept {
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    try {
        Step step = std::exchange(open_, Step{});
        revision_ = playlist.Revision();
        if (broken_) {
            Forget(); // nothing is undoable rather than something wrongly
            return;
        }
        if (step.Changes.size() > 1 &&
            std::all_of(step.Changes.begin(), step.Changes.end(),
                        [](const PlaylistChange& change) { return change.What == Kind::Insert; })) {
            PlaylistChange merged = MergedInserts(step.Changes);
            step.Changes.clear();
            step.Changes.push_back(std::move(merged));
        }
        if (!step.Changes.empty()) {
            step.After = Runs(playlist.SelectedRows());
            Commit(std::move(step));
        }
    } catch (...) {
        Forget();
    }
}

void PlaylistHistory::Commit(Step step) {
    redo_.clear();
    undo_.push_back(std::move(step));
    Fit(false);
}

void PlaylistHistory::Fit(bool keepNewest) {
    CountBytes();
    if (bytes_ > byteLimit_ && !undo_.empty()) {
        for (PlaylistChange& change : undo_.back().Changes) {
            Compact(change);
        }
        CountBytes();
    }
    while (undo_.size() > (keepNewest ? 1u : 0u) && (undo_.size() > stepLimit_ || bytes_ > byteLimit_)) {
        bytes_ -= undo_.front().Bytes();
        undo_.pop_front();
    }
}

void PlaylistHistory::CountBytes() {
    bytes_ = 0;
    for (const std::deque<Step>* steps : {&undo_, &redo_}) {
        for (const Step& step : *steps) {
            bytes_ += step.Bytes();
        }
    }
}

template <typename Record> void PlaylistHistory::Keep(Record record) noexcept {
    try {
        record();
    } catch (...) {
        broken_ = true;
    }
}

void PlaylistHistory::Inserted(const Playlist& playlist, int first, int count) noexcept {
    Keep([&] {
        PlaylistChange change;
        change.What = Kind::Insert;
        change.From = first;
        std::size_t bytes = 0;
        for (int row = first; row < first + count; ++row) {
            bytes += playlist.Path(row).size();
        }
        change.Paths.Reserve(static_cast<std::size_t>(count), bytes);
        for (int row = first; row < first + count; ++row) {
            change.Paths.Add(playlist.Path(row));
        }
        open_.Changes.push_back(std::move(change));
    });
}

void PlaylistHistory::Removing(const Playlist& playlist, const std::vector<int>& rows) noexcept {
    if (rows.empty()) {
        return;
    }
    Keep([&] {
        PlaylistChange change;
        change.What = Kind::Remove;
        change.Rows = rows;
        std::size_t bytes = 0;
        for (int row : rows) {
            bytes += playlist.Path(row).size();
        }
        change.Paths.Reserve(rows.size(), bytes);
        for (int row : rows) {
            change.Paths.Add(playlist.Path(row));
        }
        open_.Changes.push_back(std::move(change));
    });
}

void PlaylistHistory::Permuted(const std::vector<int>& order) noexcept {
    std::size_t moved = 0;
    for (std::size_t row = 0; row < order.size(); ++row) {
        moved += order[row] != static_cast<int>(row) ? 1 : 0;
    }
    if (moved == 0) {
        return;
    }
    Keep([&] {
        PlaylistChange change;
        change.What = Kind::Permute;
        if (2 * moved > order.size()) { // most rows moved: the whole order is smaller than the pairs
            change.Order = order;
        } else {
            change.Rows.reserve(2 * moved);
            for (std::size_t row = 0; row < order.size(); ++row) {
                if (order[row] != static_cast<int>(row)) {
                    change.Rows.insert(change.Rows.end(), {static_cast<int>(row), order[row]});
                }
            }
        }
        open_.Changes.push_back(std::move(change));
    });
}

void PlaylistHistory::Moved(int from, int to) noexcept {
    // A track dragged along row by row is one move from where it started.
    if (!open_.Changes.empty() && open_.Changes.back().What == Kind::Move &&
        open_.Changes.back().To == from) {
        open_.Changes.back().To = to;
        if (open_.Changes.back().From == to) { // back where it started: nothing moved
            open_.Changes.pop_back();
        }
        return;
    }
    Keep([&] {
        PlaylistChange change;
        change.What = Kind::Move;
        change.From = from;
        change.To = to;
        open_.Changes.push_back(std::move(change));
    });
}

void PlaylistHistory::Cleared(std::vector<PlaylistEntry> entries, StringArena arena) noexcept {
    if (entries.empty()) {
        return;
    }
    Keep([&] {
        PlaylistChange change;
        change.What = Kind::Clear;
        change.Entries = std::move(entries);
        change.Arena = std::move(arena);
        open_.Changes.push_back(std::move(change));
    });
}

bool PlaylistHistory::Undo(Playlist& playlist) {
    return Replay(playlist, true);
}

bool PlaylistHistory::Redo(Playlist& playlist) {
    return Replay(playlist, false);
}

bool PlaylistHistory::Replay(Playlist& playlist, bool undo) {
    if (depth_ > 0) {
        return false;
    }
    ForgetIfStale(playlist);
    std::deque<Step>& from = undo ? undo_ : redo_;
    std::deque<Step>& to = undo ? redo_ : undo_;
    if (from.empty()) {
        return false;
    }
    Step& step = from.back();
    if (undo) {
        for (auto change = step.Changes.rbegin(); change != step.Changes.rend(); ++change) {
            tundeck::Undo(playlist, *change);
        }
    } else {
        for (PlaylistChange& change : step.Changes) {
            tundeck::Redo(playlist, change);
        }
    }
    playlist.SetSelection(RowsOf(undo ? step.Before : step.After));
    to.push_back(std::move(step));
    from.pop_back();
    revision_ = playlist.Revision();
    Fit(true); // a Remove All done again holds the list once more
    return true;
}

} // namespace tundeck
