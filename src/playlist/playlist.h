#pragma once
// The playlist: one entry record per row of the visible list, which holds the selection.

#include "framework/text.h"
#include "playlist/editing.h"
#include "playlist/list_widget.h"
#include "playlist/string_arena.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tundeck {

class PlaylistHistory;

// Both views last until the next change of the entries.
struct PlaylistEntry {
    std::string_view Path; // exactly as added: what files and the player get
    // The part of Path shown in the mode in force when it was made; for a path that reaches a
    // name the code page cannot spell, the part of its real path (UTF-8) kept after Path.
    std::string_view DisplayText;

    // The real path, or empty for a row shown by its Path.
    std::string_view RealPath() const;
    ShownText Shown() const { return {DisplayText, !RealPath().empty()}; }
};

// The real full path (UTF-8) of a path that goes through short names standing for names the code
// page cannot spell; empty for every other path.
using RealPathLookup = std::string (*)(std::string_view path);

// Each character of the single-byte character set in one case.
using CaseFold = std::array<char, 256>;
const CaseFold& AsciiCaseFold();

// Rows count from 0. A row outside the playlist raises "List index out of bounds", an insertion
// position outside -1..Count() "Unable to insert a line".
class Playlist {
public:
    // `widget` starts empty. `showFullPath` is the display mode, read at every insertion.
    Playlist(ListWidget& widget, const bool& showFullPath);
    Playlist(ListWidget& widget, const bool&& showFullPath) = delete;
    Playlist(const Playlist&) = delete;
    Playlist& operator=(const Playlist&) = delete;

    // Inserts at `position` (-1 appends); the new row is selected only when `select` is set.
    void AddTrack(std::string_view path, int position, bool select);
    // As AddTrack for each path, the position advancing, with one redraw.
    void AddTracks(const std::vector<std::string_view>& paths, int position, bool select);
    // Deletes the row if there is one; false otherwise. The caller recomputes the totals.
    bool RemoveTrack(int index);
    // The entry ends up at row `to`, unselected; the rows between shift with their flags.
    void MoveTrack(int from, int to);
    void Clear();
    // Every display text made again for the mode; every row keeps its selected flag.
    void SetDisplayMode(bool fullPath);
    // The entries in the arrangement's order (rows it leaves out are removed) and its flags,
    // with one refill of the list; the focus moves to the arrangement's, if it names one.
    void Rearrange(const Arrangement& arrangement);

    // Paths added from now on are shown by the real paths `lookup` finds for them.
    void SetRealPaths(RealPathLookup lookup) { realPaths_ = lookup; }

    // Each change of the entries is reported to `history` while it has a step open.
    void SetHistory(PlaylistHistory* history) { history_ = history; }
    PlaylistHistory* History() const { return history_; }
    // For the history, each with one refill of the list and no flags set: `paths` put in at
    // `rows` (ascending, numbered as afterwards); the entries at `rows` (ascending) taken out;
    // the whole list handed over and back.
    void InsertAt(const std::vector<int>& rows, const std::vector<std::string_view>& paths);
    void RemoveAt(const std::vector<int>& rows);
    std::pair<std::vector<PlaylistEntry>, StringArena> TakeAll();
    void RestoreAll(std::vector<PlaylistEntry> entries, StringArena paths);
    // Exactly `rows` (ascending) selected; the caret and the view stay.
    void SetSelection(const std::vector<int>& rows);

    int Count() const { return static_cast<int>(entries_.size()); }
    // Goes up with every change of the entries (not of the selection); 0 for a playlist never changed.
    unsigned Revision() const { return revision_; }
    const std::vector<PlaylistEntry>& Entries() const { return entries_; }
    std::string_view Path(int row) const;
    std::string_view DisplayText(int row) const;
    ShownText Shown(int row) const;
    std::vector<std::string> Paths() const;
    // The first row after `caret`, going round to the caret itself, whose text starts with
    // `character` in either case as `fold` gives it (A to Z by default): where typing a character
    // moves in a list; -1 for none.
    int RowStartingWith(char character, int caret, const CaseFold& fold = AsciiCaseFold()) const;

    bool Selected(int row) const;
    void SetSelected(int row, bool selected);
    void SetAllSelected(bool selected);
    // Which rows are selected, in playlist order.
    std::vector<bool> SelectedFlags() const;
    int SelectedCount() const { return widget_.SelectedCount(); }
    std::vector<int> SelectedRows() const { return widget_.SelectedRows(); }
    int FocusedRow() const { return widget_.FocusedRow(); }
    int TopRow() const { return widget_.TopRow(); }
    // The focus, the anchor and the view where setting the flags of `rows` one at a time, from
    // a view whose top row was `top`, leaves them: each row scrolled fully into view in turn.
    void FollowFlags(const std::vector<int>& rows, int top);

private:
    void CheckRow(int row) const;
    int InsertionRow(int position) const;
    PlaylistEntry MakeEntry(std::string_view path);
    void CompactPaths();
    bool Recording() const;
    void RecordArrangement(const std::vector<int>& order);

    ListWidget& widget_;
    const bool& showFullPath_;
    StringArena paths_;
    std::vector<PlaylistEntry> entries_;
    unsigned revision_ = 0;
    PlaylistHistory* history_ = nullptr;
    RealPathLookup realPaths_ = nullptr;
};

} // namespace tundeck
