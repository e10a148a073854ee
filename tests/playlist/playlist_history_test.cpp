// Undo and redo against the playlist as it was before and after every step, over a long random
// run of every kind of edit, with the selection changed by hand between them.
#include "playlist/playlist_history.h"

#include "fake_list_widget.h"
#include "support/failing_allocation.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace tundeck {
namespace {

using State = std::pair<std::vector<std::string>, std::vector<int>>;

class PlaylistHistoryTest : public ::testing::Test {
protected:
    FakeListWidget widget;
    bool showFullPath = false;
    Playlist playlist{widget, showFullPath};
    std::mt19937 random{20261209};
    int made = 0;

    State Now() const { return {playlist.Paths(), playlist.SelectedRows()}; }
    int Below(int count) {
        return count <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(count));
    }
    std::vector<std::string> NewPaths(int count) {
        std::vector<std::string> paths;
        while (count-- > 0) {
            paths.push_back("C:\\m\\" + std::to_string(made++) + ".mp3");
        }
        return paths;
    }
    // One edit of a random kind, as the program's commands make them.
    void Edit() {
        const int count = playlist.Count();
        const std::vector<bool> flags = playlist.SelectedFlags();
        ShuffleRandom shuffle(static_cast<std::uint32_t>(random()));
        switch (Below(6)) {
        case 0: // one add or several, as a drop makes them
            for (int batch = Below(3); batch >= 0; --batch) {
                const std::vector<std::string> paths = NewPaths(1 + Below(3));
                const int position = Below(playlist.Count() + 2) - 1;
                paths.size() == 1 ? playlist.AddTrack(paths[0], position, Below(2) == 0)
                                  : playlist.AddTracks({paths.begin(), paths.end()}, position, Below(2) == 0);
            }
            break;
        case 1:
            Below(2) == 0 ? static_cast<void>(playlist.RemoveTrack(Below(count + 1)))
                          : playlist.Rearrange(WithoutSelected(flags));
            break;
        case 2:
            playlist.Rearrange(Below(2) == 0 ? SelectionMovedUp(flags) : SelectionMovedDown(flags));
            break;
        case 3:
            playlist.Rearrange(Shuffled(flags, shuffle));
            break;
        case 4: // a drag, row by row
            for (int from = Below(count), steps = count > 0 ? Below(6) : 0; steps > 0; --steps) {
                const int to = Below(count);
                playlist.MoveTrack(from, to);
                playlist.SetSelected(to, true);
                from = to;
            }
            break;
        default:
            playlist.Clear();
        }
    }
};

TEST_F(PlaylistHistoryTest, UndoAndRedoGiveTheEntriesAndSelectionBeforeAndAfterEachStep) {
    PlaylistHistory history;
    playlist.SetHistory(&history);
    std::vector<std::pair<State, State>> done, undone; // before and after each step
    for (int round = 0; round < 3000; ++round) {
        if (Below(3) == 0 && playlist.Count() > 0) { // a click: the selection changes, no step
            playlist.SetSelected(Below(playlist.Count()), Below(2) == 0);
        }
        const int action = Below(10);
        if (action < 6) {
            const State before = Now();
            {
                const PlaylistEdit edit(history, playlist);
                Edit();
            }
            if (Now().first != before.first) {
                done.emplace_back(before, Now());
                undone.clear();
            }
        } else {
            auto& from = action < 8 ? done : undone;
            auto& to = action < 8 ? undone : done;
            ASSERT_EQ(action < 8 ? history.Undo(playlist) : history.Redo(playlist), !from.empty()) << round;
            if (!from.empty()) {
                ASSERT_EQ(Now(), action < 8 ? from.back().first : from.back().second) << round;
                to.push_back(from.back());
                from.pop_back();
            }
        }
        ASSERT_EQ(history.UndoSteps(), done.size());
        ASSERT_EQ(history.RedoSteps(), undone.size());
    }
    // A change outside the steps leaves nothing to undo.
    playlist.AddTrack("C:\\late.mp3", -1, false);
    EXPECT_FALSE(history.Undo(playlist));
}

TEST_F(PlaylistHistoryTest, TheOldestStepsGoFirstWhenTheLimitsAreReached) {
    PlaylistHistory history(64 * 1024, 5);
    playlist.SetHistory(&history);
    const auto step = [&](const std::function<void()>& edit) {
        const PlaylistEdit open(history, playlist);
        edit();
    };
    for (int add = 0; add < 8; ++add) {
        step([&] { playlist.AddTrack(NewPaths(1)[0], -1, false); });
    }
    EXPECT_EQ(history.UndoSteps(), 5u);
    const std::vector<std::string> eight = playlist.Paths();
    step([&] { playlist.Clear(); }); // the list's block alone is over the limit: kept as its paths
    ASSERT_TRUE(history.Undo(playlist));
    EXPECT_EQ(playlist.Paths(), eight);
    const std::vector<std::string> big(2000, std::string(100, 'x')); // 200 kB: not kept at all
    step([&] { playlist.AddTracks({big.begin(), big.end()}, -1, false); });
    EXPECT_EQ(history.UndoSteps() + history.RedoSteps(), 0u);
    EXPECT_LE(history.Bytes(), 64u * 1024);
}

// An allocation that fails anywhere in an edit, its undo or its redo: the command fails, the
// history forgets rather than misremembers, and the list shows the playlist's rows.
TEST_F(PlaylistHistoryTest, AFailedAllocationLeavesNothingHalfKept) {
    PlaylistHistory history;
    playlist.SetHistory(&history);
    for (long nth = 1;; ++nth) {
        playlist.SetHistory(nullptr);
        playlist.Clear();
        const std::vector<std::string> start = NewPaths(40);
        playlist.AddTracks({start.begin(), start.end()}, -1, false);
        playlist.SetHistory(&history);
        const State before = Now();
        testing::FailNthAllocation(nth);
        State after;
        try {
            {
                const PlaylistEdit edit(history, playlist);
                const std::vector<std::string> drop = NewPaths(5);
                playlist.AddTracks({drop.begin(), drop.begin() + 3}, 10, true);
                playlist.AddTracks({drop.begin() + 3, drop.end()}, 2, false);
                playlist.Rearrange(WithoutSelected(playlist.SelectedFlags()));
            }
            after = Now();
            history.Undo(playlist);
            history.Redo(playlist);
        } catch (const std::bad_alloc&) {
        }
        const bool failed = testing::StopFailingAllocations();
        ASSERT_EQ(widget.Count(), playlist.Count()) << nth;
        for (int row = 0; row < playlist.Count(); ++row) {
            ASSERT_EQ(widget.rows[static_cast<std::size_t>(row)].selected, playlist.Selected(row)) << nth;
        }
        if (!failed) {
            EXPECT_EQ(Now(), after);
            ASSERT_TRUE(history.Undo(playlist));
            EXPECT_EQ(Now(), before);
            break;
        }
        // Whatever is kept still undoes to what came before.
        if (history.UndoSteps() > 0) {
            history.Undo(playlist);
            EXPECT_EQ(Now(), before) << nth;
        }
    }
}

} // namespace
} // namespace tundeck
