#pragma once
// Playlist editing as arithmetic on rows: removing the selection, moving it by one row, and the
// shuffle with the selected rows first. Each gives exactly what doing it row by row with
// MoveTrack and the selected flags would give, computed in one pass, so the list is refilled
// once however many rows move.

#include <cstdint>
#include <vector>

namespace tundeck {

// The playlist after an edit: the old row at each new row, the new rows' selected flags, and
// the rows whose flags the edit made one row at a time would set, in that order: setting a flag
// makes the row the focused one and scrolls it fully into view.
struct Arrangement {
    std::vector<int> Order;
    std::vector<bool> Selected;
    std::vector<int> Flagged = {};

    int Focus() const { return Flagged.empty() ? -1 : Flagged.back(); }
    friend bool operator==(const Arrangement&, const Arrangement&) = default;
};

// The top row of a list showing `page` whole rows once `row` is scrolled fully into view.
int ScrolledTo(int top, int page, int row);
// ... once each of `rows` is, in turn.
int ScrolledTo(int top, int page, const std::vector<int>& rows);

// Remove Sel.: the unselected rows, in order, none selected.
Arrangement WithoutSelected(const std::vector<bool>& selected);

// The up-down control's arrows: every run of selected rows one row up (or down), the
// unselected row it passes taking the run's other end; a run at the first (last) row stays.
Arrangement SelectionMovedUp(const std::vector<bool>& selected);
Arrangement SelectionMovedDown(const std::vector<bool>& selected);

// The shuffle's generator: 32-bit linear congruential, reseeded from the clock for each shuffle.
class ShuffleRandom {
public:
    explicit ShuffleRandom(std::uint32_t seed) : seed_(seed) {}
    // The time of day in milliseconds, the seed a shuffle starts from.
    static std::uint32_t SeedFromTimeOfDay(int hours, int minutes, int seconds, int milliseconds);
    // A number in 0..count-1.
    std::uint32_t Draw(std::uint32_t count);

private:
    std::uint32_t seed_;
};

// Random: the selected rows brought to the top (those moved from below first, in their order,
// then the selected rows that already stood at the top) and selected, the others unselected
// below them and shuffled by moving each row in turn to a random row of that part.
Arrangement Shuffled(const std::vector<bool>& selected, ShuffleRandom& random);

} // namespace tundeck
