#pragma once
// Undo and redo of the user's edits of the playlist. Each edit is one step, kept as what it
// changed rather than as a copy of the playlist: the paths it added or took out with their rows,
// the new order of the rows it moved, or the whole list it emptied; and the selection before and
// after it. While a step is open the playlist reports each change to the history; undoing the
// step makes the opposite changes in reverse order.

#include "playlist/playlist.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tundeck {

// Strings end to end in a few blocks: the history's own copies of paths. Lists join by moving
// their blocks, with no copy.
class PathList {
public:
    // Room in a new block for what is added next.
    void Reserve(std::size_t count, std::size_t bytes);
    void Add(std::string_view path);
    void Append(PathList&& other);
    std::size_t Size() const { return size_; }
    std::vector<std::string_view> Views() const;
    std::size_t Bytes() const;

private:
    struct Block {
        std::string Text;
        std::vector<std::size_t> Ends;
    };
    std::vector<Block> blocks_;
    std::size_t size_ = 0;
};

// One change of the entries, with what it takes to make it again or undo it.
struct PlaylistChange {
    enum class Kind { Insert, Remove, Permute, Move, Clear };
    Kind What = Kind::Insert;
    int From = 0; // Insert: the first row added, when Rows is empty; Move: the row the entry left
    int To = 0;   // Move: the row it went to
    // Insert (several inserts of one step) and Remove: the rows added or taken out, ascending;
    // Permute: pairs (new row, old row).
    std::vector<int> Rows;
    std::vector<int> Order;             // Permute when most rows moved: the old row of each new row
    PathList Paths;                     // Insert, Remove, and a large Clear: the paths in row order
    std::vector<PlaylistEntry> Entries; // Clear: the emptied list as it was, while it fits
    StringArena Arena;

    std::size_t Bytes() const;
};

class PlaylistHistory {
public:
    static constexpr std::size_t DefaultByteLimit = std::size_t{128} << 20;
    static constexpr std::size_t DefaultStepLimit = 1000;

    // The oldest steps are forgotten once more are kept, or they take more memory, than this.
    explicit PlaylistHistory(std::size_t byteLimit = DefaultByteLimit,
                             std::size_t stepLimit = DefaultStepLimit)
        : byteLimit_(byteLimit), stepLimit_(stepLimit) {}

    // A step spans the outermost Begin and End. A change made outside any step (filling the
    // playlist at start-up) is not undoable, and the steps before it no longer apply.
    void Begin(const Playlist& playlist);
    void End(const Playlist& playlist) noexcept;
    bool Recording() const { return depth_ > 0; }

    // The playlist's reports while a step is open. One that cannot be kept (no memory) leaves the
    // step unusable, and the history forgets everything when it ends.
    void Inserted(const Playlist& playlist, int first, int count) noexcept;
    void Removing(const Playlist& playlist, const std::vector<int>& rows) noexcept;
    // `order` gives the old row of each new row.
    void Permuted(const std::vector<int>& order) noexcept;
    void Moved(int from, int to) noexcept;
    void Cleared(std::vector<PlaylistEntry> entries, StringArena arena) noexcept;

    // The entries and the selection as before the last step, or as after the last undone one;
    // false when there is no such step.
    bool Undo(Playlist& playlist);
    bool Redo(Playlist& playlist);

    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }
    // The memory the kept steps take, beyond the playlist's own.
    std::size_t Bytes() const { return bytes_; }

private:
    struct Step {
        std::vector<PlaylistChange> Changes;
        std::vector<int> Before; // the selection as runs: pairs of first and last row
        std::vector<int> After;
        std::size_t Bytes() const;
    };

    // Records a change of `bytes` into the open step, unless the step could not be kept.
    template <typename Record> void Keep(std::size_t bytes, Record record) noexcept;
    // The newest step undone (or done again) and moved to the other side.
    bool Replay(Playlist& playlist, bool undo);
    void ForgetIfStale(const Playlist& playlist);
    void Forget();
    void Commit(Step step);
    // Within the limits again, the oldest steps forgotten first; the newest is made compact
    // first if it is too large, and forgotten too only when `keepNewest` is clear.
    void Fit(bool keepNewest);
    void CountBytes();

    std::size_t byteLimit_;
    std::size_t stepLimit_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    Step open_;
    int depth_ = 0;
    bool broken_ = false; // a change of the open step could not be kept
    std::size_t openBytes_ = 0;
    unsigned revision_ = 0; // the playlist's revision the newest step left
    std::size_t bytes_ = 0;
};

// A step open for the lifetime of the object.
class PlaylistEdit {
public:
    PlaylistEdit(PlaylistHistory& history, const Playlist& playlist)
        : history_(history), playlist_(playlist) {
        history_.Begin(playlist_);
    }
    ~PlaylistEdit() { history_.End(playlist_); }
    PlaylistEdit(const PlaylistEdit&) = delete;
    PlaylistEdit& operator=(const PlaylistEdit&) = delete;

private:
    PlaylistHistory& history_;
    const Playlist& playlist_;
};

} // namespace tundeck
