// Playlist editing against the row-by-row definitions, played out here one MoveTrack at a time.
#include "playlist/editing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <random>

namespace tundeck {
namespace {

using Flags = std::vector<bool>;

// The playlist as the definitions see it: rows of (old row, selected flag); the rows set, in
// turn, and the view they scroll.
struct Rows {
    std::vector<int> order;
    Flags flags;
    std::vector<int> flagged;
    int top = 0;
    int page = 10;

    explicit Rows(const Flags& selected) : flags(selected) {
        for (std::size_t row = 0; row < selected.size(); ++row) {
            order.push_back(static_cast<int>(row));
        }
    }
    int Count() const { return static_cast<int>(order.size()); }
    bool At(int row) const { return flags[static_cast<std::size_t>(row)]; }
    void Set(int row, bool flag) {
        flags[static_cast<std::size_t>(row)] = flag;
        if (flag) { // into view: up to the top, or just up to the bottom
            flagged.push_back(row);
            top = row < top ? row : std::max(top, row - page + 1);
        }
    }
    // The entry ends up at `to`, unselected; the rows between shift with their flags.
    void MoveTrack(int from, int to) {
        const int entry = order[static_cast<std::size_t>(from)];
        order.erase(order.begin() + from);
        flags.erase(flags.begin() + from);
        order.insert(order.begin() + to, entry);
        flags.insert(flags.begin() + to, false);
    }
    Arrangement Result() const { return {order, flags, flagged}; }
};

Arrangement RemoveSelRowByRow(const Flags& selected) {
    Rows rows(selected);
    for (int row = 0; row < rows.Count();) {
        if (rows.At(row)) {
            rows.order.erase(rows.order.begin() + row);
            rows.flags.erase(rows.flags.begin() + row);
        } else {
            ++row;
        }
    }
    return rows.Result();
}

Arrangement UpRowByRow(Rows& rows) {
    for (int row = 1; row < rows.Count(); ++row) {
        if (rows.At(row) && !rows.At(row - 1)) {
            rows.MoveTrack(row, row - 1);
            rows.Set(row - 1, true);
            rows.Set(row, false);
        }
    }
    return rows.Result();
}

Arrangement DownRowByRow(Rows& rows) {
    for (int row = rows.Count() - 2; row >= 0; --row) {
        if (rows.At(row) && !rows.At(row + 1)) {
            rows.MoveTrack(row, row + 1);
            rows.Set(row + 1, true);
            rows.Set(row, false);
        }
    }
    return rows.Result();
}

Arrangement RandomRowByRow(const Flags& selected, std::uint32_t seed, Rows& rows) {
    int n = 0;
    for (bool flag : selected) {
        n += flag ? 1 : 0;
    }
    for (int row = rows.Count() - 1; row >= n;) {
        if (rows.At(row)) {
            rows.MoveTrack(row, 0);
        } else {
            --row;
        }
    }
    for (int row = 0; row < rows.Count(); ++row) {
        rows.Set(row, row < n);
    }
    for (int row = n; row < rows.Count(); ++row) {
        seed = seed * 134775813u + 1u;
        const auto draw =
            static_cast<int>((std::uint64_t{seed} * static_cast<std::uint64_t>(rows.Count() - n)) >> 32);
        rows.MoveTrack(row, n + draw);
    }
    return rows.Result();
}

Flags Selecting(std::size_t count, std::initializer_list<std::size_t> rows) {
    Flags flags(count, false);
    for (std::size_t row : rows) {
        flags[row] = true;
    }
    return flags;
}

TEST(Editing, TheDescribedExamples) {
    EXPECT_EQ(WithoutSelected(Selecting(6, {1, 2, 4})).Order, (std::vector<int>{0, 3, 5}));
    EXPECT_EQ(SelectionMovedUp(Selecting(5, {2, 3})),
              (Arrangement{{0, 2, 3, 1, 4}, Selecting(5, {1, 2}), {1, 2}}));
    EXPECT_EQ(SelectionMovedUp(Selecting(4, {0, 2})), (Arrangement{{0, 2, 1, 3}, Selecting(4, {0, 1}), {1}}));
    EXPECT_EQ(SelectionMovedDown(Selecting(3, {2})), (Arrangement{{0, 1, 2}, Selecting(3, {2})}));

    ShuffleRandom random(ShuffleRandom::SeedFromTimeOfDay(12, 34, 56, 789));
    const Arrangement shuffled = Shuffled(Selecting(7, {1, 4}), random);
    EXPECT_EQ(shuffled, (Arrangement{{1, 4, 5, 2, 0, 6, 3}, Selecting(7, {0, 1}), {0, 1}}));
    ShuffleRandom again(0);
    EXPECT_EQ(Shuffled(Selecting(5, {0, 3}), again).Order[0], 3);
    EXPECT_EQ(Shuffled(Selecting(5, {0, 1, 2, 3, 4}), again),
              (Arrangement{{0, 1, 2, 3, 4}, Flags(5, true), {0, 1, 2, 3, 4}}));
}

TEST(Editing, OnePassGivesWhatRowByRowGivesForAnySelection) {
    std::mt19937 generator(20261209);
    for (int round = 0; round < 2003; ++round) {
        // A few long playlists, whose shuffle spans many blocks.
        const std::size_t count = round < 2000 ? generator() % 40 : 1100 + generator() % 500;
        const unsigned density = generator() % 100;
        Flags selected(count);
        for (std::size_t row = 0; row < count; ++row) {
            selected[row] = generator() % 100 < density;
        }
        const std::uint32_t seed = generator();
        ShuffleRandom random(seed);
        ASSERT_EQ(WithoutSelected(selected), RemoveSelRowByRow(selected)) << round;
        // Each from a view of random height and place; the one-pass edit ends where the
        // row-by-row one scrolled to.
        const int page = 1 + static_cast<int>(generator() % 25);
        const int top = count == 0 ? 0 : static_cast<int>(generator() % count);
        const auto view = [&] {
            Rows rows(selected);
            rows.top = top;
            rows.page = page;
            return rows;
        };
        Rows up = view(), down = view(), shuffled = view();
        const Arrangement edits[] = {SelectionMovedUp(selected), SelectionMovedDown(selected),
                                     Shuffled(selected, random)};
        const Arrangement byRow[] = {UpRowByRow(up), DownRowByRow(down),
                                     RandomRowByRow(selected, seed, shuffled)};
        const int tops[] = {up.top, down.top, shuffled.top};
        for (std::size_t edit = 0; edit < std::size(edits); ++edit) {
            ASSERT_EQ(edits[edit], byRow[edit]) << round << " " << edit;
            ASSERT_EQ(ScrolledTo(top, page, edits[edit].Flagged), tops[edit]) << round << " " << edit;
        }
    }
}

} // namespace
} // namespace tundeck
