#include "playlist/playlist_history.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <stdexcept>
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

// Rows present or not, with the n-th present row found in log time: which rows of the list at
// a step's end were there before each of its inserts.
class PresentRows {
public:
    explicit PresentRows(int count) : counts_(static_cast<std::size_t>(count) + 1) {
        for (std::size_t i = 1; i < counts_.size(); ++i) {
            counts_[i] = static_cast<int>(i & (~i + 1)); // every row present
        }
        while (top_ * 2 < counts_.size()) {
            top_ *= 2;
        }
    }
    // The row of the present rows' `rank`-th (from 0), which is then no longer present.
    int Take(int rank) {
        std::size_t at = 0;
        for (std::size_t step = top_; step > 0; step /= 2) {
            if (at + step < counts_.size() && counts_[at + step] <= rank) {
                at += step;
                rank -= counts_[at];
            }
        }
        if (at + 1 >= counts_.size()) {
            throw std::out_of_range("insert beyond the list");
        }
        for (std::size_t i = at + 1; i < counts_.size(); i += i & (~i + 1)) {
            --counts_[i];
        }
        return static_cast<int>(at);
    }

private:
    std::vector<int> counts_; // a Fenwick tree over the rows
    std::size_t top_ = 1;
};

// The inserts of one step as one change: the rows they added, numbered as when the step ended,
// with their paths, so that undoing and doing them again is one pass however many there were.
// From the last insert back, an insert's rows are those at its rows' ranks among the rows that
// no later insert added.
PlaylistChange MergedInserts(std::vector<PlaylistChange>& inserts, int rowsAtEnd) {
    PlaylistChange merged;
    merged.What = Kind::Insert;
    std::size_t count = 0;
    for (const PlaylistChange& insert : inserts) {
        count += insert.Paths.Size();
    }
    merged.Rows.reserve(count);
    // A drop or a directory adds block after block, each behind the last: no insert moves
    // another's rows, and their paths are in order already.
    bool inOrder = true;
    for (std::size_t i = 1; inOrder && i < inserts.size(); ++i) {
        inOrder = inserts[i].From >= inserts[i - 1].From + static_cast<int>(inserts[i - 1].Paths.Size());
    }
    if (inOrder) {
        for (PlaylistChange& insert : inserts) {
            for (int row = insert.From; row < insert.From + static_cast<int>(insert.Paths.Size()); ++row) {
                merged.Rows.push_back(row);
            }
            merged.Paths.Append(std::move(insert.Paths));
        }
        return merged;
    }
    std::vector<std::pair<int, std::string_view>> added;
    added.reserve(count);
    std::size_t bytes = 0;
    PresentRows present(rowsAtEnd);
    for (auto insert = inserts.rbegin(); insert != inserts.rend(); ++insert) {
        for (std::string_view path : insert->Paths.Views()) {
            added.emplace_back(present.Take(insert->From), path);
            bytes += path.size();
        }
    }
    std::sort(added.begin(), added.end());
    merged.Paths.Reserve(added.size(), bytes);
    for (const auto& [row, path] : added) {
        merged.Rows.push_back(row);
        merged.Paths.Add(path);
    }
    return merged;
}

// What a copy of the paths of `rows` holds, besides their ends and rows.
std::size_t TextBytes(const Playlist& playlist, const std::vector<int>& rows) {
    std::size_t bytes = 0;
    for (int row : rows) {
        bytes += playlist.Path(row).size();
    }
    return bytes;
}

// A copy of `count` paths of `textBytes` in all, with their rows when `withRows`.
std::size_t CopyBytes(std::size_t count, std::size_t textBytes, bool withRows) {
    return textBytes + count * (sizeof(std::size_t) + (withRows ? sizeof(int) : 0));
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

void PathList::Reserve(std::size_t count, std::size_t bytes) {
    Block& block = blocks_.emplace_back();
    block.Text.reserve(bytes);
    block.Ends.reserve(count);
}

void PathList::Add(std::string_view path) {
    if (blocks_.empty()) {
        blocks_.emplace_back();
    }
    Block& block = blocks_.back();
    block.Text += path;
    block.Ends.push_back(block.Text.size());
    ++size_;
}

void PathList::Append(PathList&& other) {
    blocks_.insert(blocks_.end(), std::make_move_iterator(other.blocks_.begin()),
                   std::make_move_iterator(other.blocks_.end()));
    size_ += std::exchange(other.size_, 0);
    other.blocks_.clear();
}

std::vector<std::string_view> PathList::Views() const {
    std::vector<std::string_view> views;
    views.reserve(size_);
    for (const Block& block : blocks_) {
        std::size_t start = 0;
        for (std::size_t end : block.Ends) {
            views.push_back(std::string_view(block.Text).substr(start, end - start));
            start = end;
        }
    }
    return views;
}

std::size_t PathList::Bytes() const {
    std::size_t bytes = blocks_.capacity() * sizeof(Block);
    for (const Block& block : blocks_) {
        bytes += block.Text.capacity() + block.Ends.capacity() * sizeof(std::size_t);
    }
    return bytes;
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
    openBytes_ = 0;
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
            PlaylistChange merged = MergedInserts(step.Changes, playlist.Count());
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

template <typename Record> void PlaylistHistory::Keep(std::size_t bytes, Record record) noexcept {
    // A step that alone passes the bound would be forgotten at its end with all before it: its
    // changes are not copied at all.
    openBytes_ += bytes;
    if (!broken_ && openBytes_ > byteLimit_) {
        broken_ = true;
        std::vector<PlaylistChange>().swap(open_.Changes);
    }
    if (broken_) {
        return;
    }
    try {
        record();
    } catch (...) {
        broken_ = true;
    }
}

void PlaylistHistory::Inserted(const Playlist& playlist, int first, int count) noexcept {
    std::size_t bytes = 0;
    for (int row = first; !broken_ && row < first + count; ++row) {
        bytes += playlist.Path(row).size();
    }
    Keep(CopyBytes(static_cast<std::size_t>(count), bytes, false), [&] {
        PlaylistChange change;
        change.What = Kind::Insert;
        change.From = first;
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
    const std::size_t bytes = broken_ ? 0 : TextBytes(playlist, rows);
    Keep(CopyBytes(rows.size(), bytes, true), [&] {
        PlaylistChange change;
        change.What = Kind::Remove;
        change.Rows = rows;
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
    Keep(std::min(2 * moved, order.size()) * sizeof(int), [&] {
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
    Keep(sizeof(PlaylistChange), [&] {
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
    Keep(0, [&] { // kept whole, not copied: a list too large is made compact or let go of at the end
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
    try {
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
    } catch (...) {
        // Half replayed, the steps no longer describe the list the user sees.
        Forget();
        revision_ = playlist.Revision();
        throw;
    }
    from.pop_back();
    revision_ = playlist.Revision();
    Fit(true); // a Remove All done again holds the list once more
    return true;
}

} // namespace tundeck
