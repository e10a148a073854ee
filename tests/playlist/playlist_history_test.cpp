// Undo and redo against plain copies of the playlist taken before and after every step, over long
// random runs of every kind of edit, with selections changed by hand between them.
#include "playlist/playlist_history.h"

#include "fake_list_widget.h"

#include <gtest/gtest.h>

#include <random>

namespace tundeck {
namespace {

struct State {
    std::vector<std::string> Paths;
    std::vector<int> Selected;
    friend bool operator==(const State&, const State&) = default;
};

class PlaylistHistoryTest : public ::testing::Test {
protected:
    FakeListWidget widget;
    bool showFullPath = false;
    Playlist playlist{widget, showFullPath};
    std::mt19937 random{20261209};
    int nextPath = 0;

    State Now() const { return {playlist.Paths(), playlist.SelectedRows()}; }
    int Below(int count) {
        return count <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(count));
    }
    std::vector<std::string> NewPaths(int count) {
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i) {
            paths.push_back("C:\\m\\" + std::to_string(nextPath++) + ".mp3");
        }
        return paths;
    }
    // One edit of a random kind, each as the program's commands make it.
    void Edit() {
        const int count = playlist.Count();
        ShuffleRandom shuffle(static_cast<std::uint32_t>(random()));
        switch (Below(8)) {
        case 0: {
            const std::vector<std::string> paths = NewPaths(1 + Below(5));
            playlist.AddTracks({paths.begin(), paths.end()}, Below(count + 2) - 1, Below(2) == 0);
            break;
        }
        case 1:
            playlist.AddTrack(NewPaths(1)[0], Below(count + 2) - 1, Below(2) == 0);
            break;
        case 2:
            playlist.RemoveTrack(Below(count + 1));
            break;
        case 3:
            playlist.Rearrange(WithoutSelected(playlist.SelectedFlags()));
            break;
        case 4:
            playlist.Rearrange(Below(2) == 0 ? SelectionMovedUp(playlist.SelectedFlags())
                                             : SelectionMovedDown(playlist.SelectedFlags()));
            break;
        case 5:
            playlist.Rearrange(Shuffled(playlist.SelectedFlags(), shuffle));
            break;
        case 6: // a drag, row by row
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
    std::vector<std::pair<State, State>> done, undone; // before and after of each step
    for (int round = 0; round < 3000; ++round) {
        if (Below(3) == 0 && playlist.Count() > 0) { // a click changes the selection, not a step
            playlist.SetSelected(Below(playlist.Count()), Below(2) == 0);
        }
        const int action = Below(10);
        if (action < 6) {
            const State before = Now();
            {
                PlaylistEdit edit(history, playlist);
                Edit();
            }
            if (Now().Paths != before.Paths) {
                done.emplace_back(before, Now());
                undone.clear();
            }
        } else if (action < 8) {
            ASSERT_EQ(history.Undo(playlist), !done.empty()) << round;
            if (!done.empty()) {
                ASSERT_EQ(Now(), done.back().first) << round;
                undone.push_back(done.back());
                done.pop_back();
            }
        } else {
            ASSERT_EQ(history.Redo(playlist), !undone.empty()) << round;
            if (!undone.empty()) {
                ASSERT_EQ(Now(), undone.back().second) << round;
                done.push_back(undone.back());
                undone.pop_back();
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
    for (int step = 0; step < 8; ++step) {
        const PlaylistEdit edit(history, playlist);
        playlist.AddTrack(NewPaths(1)[0], -1, false);
    }
    EXPECT_EQ(history.UndoSteps(), 5u);
    while (history.Undo(playlist)) {
    }
    EXPECT_EQ(playlist.Count(), 3);
    {
        const PlaylistEdit edit(history, playlist);
        const std::vector<std::string> paths(2000, std::string(100, 'x'));
        playlist.AddTracks({paths.begin(), paths.end()}, -1, false); // 200 kB alone: not kept
    }
    EXPECT_EQ(history.UndoSteps(), 0u);
    EXPECT_LE(history.Bytes(), 64u * 1024);
}

} // namespace
} // namespace tundeck
