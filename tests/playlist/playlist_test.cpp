#include "playlist/playlist.h"

#include "fake_list_widget.h"
#include "framework/error.h"
#include "playlist/display_text.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

using Rows = std::vector<int>;
using Texts = std::vector<std::string>;

class PlaylistTest : public ::testing::Test {
protected:
    FakeListWidget widget;
    bool showFullPath = false;
    Playlist playlist{widget, showFullPath};

    // Adds "C:\d\t0.mp3" ... unselected.
    void Fill(int count) {
        for (int i = 0; i < count; ++i) {
            playlist.AddTrack("C:\\d\\t" + std::to_string(i) + ".mp3", -1, false);
        }
    }

    void Select(const Rows& rows) {
        for (int row : rows) {
            playlist.SetSelected(row, true);
        }
    }

    static Texts Names(const Playlist& list) {
        Texts texts;
        for (const PlaylistEntry& entry : list.Entries()) {
            texts.emplace_back(entry.DisplayText);
        }
        return texts;
    }
    Texts Names() const { return Names(playlist); }

    // The widget has a row for every entry, and no bulk change is left half done.
    void TearDown() override {
        EXPECT_EQ(widget.Count(), playlist.Count());
        EXPECT_EQ(widget.redrawDepth, 0);
    }
};

TEST_F(PlaylistTest, AddTrackShowsTheTextOfTheModeInForce) {
    playlist.AddTrack("C:\\Music\\song.mp3", -1, false);
    showFullPath = true;
    playlist.AddTrack("C:\\Music\\song.mp3", -1, false);
    EXPECT_EQ(Names(), (Texts{"song.mp3", "C:\\Music\\song.mp3"}));
    EXPECT_EQ(playlist.Path(0), "C:\\Music\\song.mp3");
    EXPECT_EQ(playlist.Path(1), "C:\\Music\\song.mp3");
}

TEST_F(PlaylistTest, InsertionSelectsOnlyTheNewRowAndShiftsOtherFlags) {
    Fill(3);
    Select({0, 2});
    playlist.AddTrack("C:\\new.mp3", 0, true);
    EXPECT_EQ(Names(), (Texts{"new.mp3", "t0.mp3", "t1.mp3", "t2.mp3"}));
    EXPECT_EQ(playlist.SelectedRows(), (Rows{0, 1, 3}));

    playlist.AddTrack("C:\\mid.mp3", 2, false);
    EXPECT_EQ(playlist.SelectedRows(), (Rows{0, 1, 4}));
    // A position equal to the count appends.
    playlist.AddTrack("C:\\end.mp3", 5, true);
    EXPECT_EQ(Names(), (Texts{"new.mp3", "t0.mp3", "mid.mp3", "t1.mp3", "t2.mp3", "end.mp3"}));
    EXPECT_EQ(playlist.SelectedRows(), (Rows{0, 1, 4, 5}));
    EXPECT_EQ(playlist.SelectedCount(), 4);
}

TEST_F(PlaylistTest, RowsOutsideThePlaylistAreRefused) {
    Fill(2);
    for (int position : {-2, 3}) {
        try {
            playlist.AddTrack("C:\\x.mp3", position, false);
            ADD_FAILURE() << position;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Unable to insert a line");
        }
    }
    EXPECT_THROW(playlist.Path(2), Error);
    EXPECT_THROW(playlist.Selected(-1), Error);
    EXPECT_THROW(playlist.SetSelected(2, true), Error);
    EXPECT_THROW(playlist.MoveTrack(0, 2), Error);
    EXPECT_EQ(playlist.Count(), 2);
}

TEST_F(PlaylistTest, RemoveTrackDeletesOneRowAndKeepsTheOthersFlags) {
    playlist.AddTrack("C:\\same.mp3", -1, false);
    Fill(2);
    playlist.AddTrack("C:\\same.mp3", -1, false);
    Select({1, 3});
    EXPECT_TRUE(playlist.RemoveTrack(0));
    EXPECT_EQ(Names(), (Texts{"t0.mp3", "t1.mp3", "same.mp3"}));
    EXPECT_EQ(playlist.SelectedRows(), (Rows{0, 2}));
    for (int index : {-1, 3}) {
        EXPECT_FALSE(playlist.RemoveTrack(index));
    }
    EXPECT_EQ(playlist.Count(), 3);
}

TEST_F(PlaylistTest, MovedRowComesOutUnselectedOthersKeepTheirFlags) {
    Fill(5);
    Select({0, 2, 4});
    playlist.MoveTrack(0, 3);
    EXPECT_EQ(Names(), (Texts{"t1.mp3", "t2.mp3", "t3.mp3", "t0.mp3", "t4.mp3"}));
    EXPECT_EQ(playlist.SelectedRows(), (Rows{1, 4}));

    playlist.MoveTrack(4, 0);
    EXPECT_EQ(Names(), (Texts{"t4.mp3", "t1.mp3", "t2.mp3", "t3.mp3", "t0.mp3"}));
    EXPECT_EQ(playlist.SelectedRows(), (Rows{2}));
    EXPECT_EQ(playlist.Path(0), "C:\\d\\t4.mp3");

    playlist.MoveTrack(2, 2);
    EXPECT_EQ(playlist.SelectedRows(), (Rows{2}));
}

TEST_F(PlaylistTest, DisplayModeSwitchKeepsEveryFlagAndTheCaret) {
    Fill(7);
    playlist.AddTrack("http://host:8000", -1, false);
    Select({2, 5, 7});
    widget.focused = 5;
    showFullPath = true;
    playlist.SetDisplayMode(true);
    EXPECT_EQ(playlist.DisplayText(2), "C:\\d\\t2.mp3");
    EXPECT_EQ(playlist.DisplayText(7), "http://host:8000");
    EXPECT_EQ(playlist.SelectedRows(), (Rows{2, 5, 7}));
    EXPECT_EQ(playlist.FocusedRow(), 5);
    // The rows stay; they are only drawn anew.
    EXPECT_EQ(widget.refills, 0);
    EXPECT_EQ(widget.textChanges, 1);

    showFullPath = false;
    playlist.SetDisplayMode(false);
    EXPECT_EQ(playlist.DisplayText(2), "t2.mp3");
    EXPECT_EQ(playlist.DisplayText(7), "8000");
    EXPECT_EQ(playlist.SelectedRows(), (Rows{2, 5, 7}));
}

TEST_F(PlaylistTest, ClearEmptiesBoth) {
    Fill(3);
    Select({1});
    playlist.Clear();
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_EQ(playlist.SelectedCount(), 0);
    EXPECT_EQ(widget.quietRefills, 1);
    playlist.AddTrack("C:\\a.mp3", -1, true);
    EXPECT_EQ(playlist.SelectedRows(), (Rows{0}));
}

// Bulk insertion must give what inserting the paths one by one gives.
TEST_F(PlaylistTest, AddTracksMatchesAddTrackOneByOne) {
    const std::vector<std::string_view> paths{"C:\\x.mp3", "D:y.mp3", "http://h/z.mp3"};
    for (int position : {-1, 0, 2, 4}) {
        for (bool select : {false, true}) {
            FakeListWidget oneByOneWidget;
            Playlist oneByOne(oneByOneWidget, showFullPath);
            playlist.Clear();
            for (Playlist* list : {&playlist, &oneByOne}) {
                for (int i = 0; i < 4; ++i) {
                    list->AddTrack("C:\\d\\t" + std::to_string(i) + ".mp3", -1, i % 2 == 1);
                }
            }
            playlist.AddTracks(paths, position, select);
            int at = position;
            for (std::string_view path : paths) {
                oneByOne.AddTrack(path, at, select);
                at += at == -1 ? 0 : 1;
            }
            EXPECT_EQ(playlist.Paths(), oneByOne.Paths()) << position << select;
            EXPECT_EQ(Names(), Names(oneByOne)) << position << select;
            EXPECT_EQ(widget.Count(), oneByOneWidget.Count()) << position << select;
            EXPECT_EQ(playlist.SelectedRows(), oneByOne.SelectedRows()) << position << select;
        }
    }
}

// The paths of removed rows are let go of in bulk once they outweigh the rest; the rows left
// keep their paths and texts, in either display mode, after removals of both kinds.
TEST_F(PlaylistTest, RowsLeftAfterLargeRemovalsKeepTheirPathsAndTexts) {
    std::vector<std::string> paths; // 40 of 50 kB, then 20,000 of about 115 bytes
    for (int i = 0; i < 20'040; ++i) {
        paths.push_back("C:\\" + std::string(i < 40 ? 50'000 : 100, 'x') + "\\t" + std::to_string(i) +
                        ".mp3");
        playlist.AddTrack(paths.back(), -1, false);
    }
    std::vector<bool> selected(paths.size());
    for (std::size_t row = 40; row < selected.size(); ++row) {
        selected[row] = row % 4 != 0;
    }
    playlist.Rearrange(WithoutSelected(selected)); // three quarters of the short ones at once
    for (int row = 39; row >= 10; --row) {         // then most long ones one at a time
        playlist.RemoveTrack(row);
    }
    for (bool fullPath : {false, true}) {
        if (fullPath) {
            playlist.SetDisplayMode(true);
        }
        ASSERT_EQ(playlist.Count(), 10 + 5'000);
        for (int row = 0; row < playlist.Count(); ++row) {
            const std::string& path = paths[static_cast<std::size_t>(row < 10 ? row : 40 + (row - 10) * 4)];
            ASSERT_EQ(playlist.Path(row), path) << row;
            ASSERT_EQ(playlist.DisplayText(row), MakeDisplayText(path, fullPath)) << row;
        }
    }
}

// Where a path goes through a short name "T~", the lookup gives a real path with a Cyrillic name.
std::string RealOf(std::string_view path) {
    std::string real(path);
    const std::size_t at = real.find("T~");
    return at == std::string::npos ? std::string() : real.replace(at, 2, "Песня");
}

TEST_F(PlaylistTest, RowsThroughShortNamesShowTheirRealPathsThroughModesAndCompaction) {
    playlist.SetRealPaths(&RealOf);
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i) {
        paths.push_back("C:\\" + std::string(50'000, 'x') + (i % 2 == 0 ? "\\t" : "\\T~") +
                        std::to_string(i) + ".mp3");
        playlist.AddTrack(paths.back(), -1, false);
    }
    for (int row = 39; row >= 10; --row) { // the paths move to a fresh store on the way
        playlist.RemoveTrack(row);
    }
    for (bool fullPath : {false, true}) {
        playlist.SetDisplayMode(fullPath);
        for (int row = 0; row < playlist.Count(); ++row) {
            const std::string& path = paths[static_cast<std::size_t>(row)];
            const std::string real = RealOf(path);
            EXPECT_EQ(playlist.Path(row), path);
            EXPECT_EQ(playlist.Shown(row).Text, MakeDisplayText(real.empty() ? path : real, fullPath)) << row;
            EXPECT_EQ(playlist.Shown(row).Utf8, !real.empty());
        }
    }
    playlist.SetDisplayMode(false);
    EXPECT_EQ(playlist.RowStartingWith('\xD0', 0), -1); // not the first byte of "П"
}

// Typing in the list: the next row whose text starts with the character, in either case.
TEST_F(PlaylistTest, ACharacterFindsTheNextRowStartingWithIt) {
    EXPECT_EQ(playlist.RowStartingWith('a', 0), -1);
    for (const char* path : {"C:\\b.mp3", "C:\\A1.mp3", "C:\\c.mp3", "C:\\a2.mp3"}) {
        playlist.AddTrack(path, -1, false);
    }
    EXPECT_EQ(playlist.RowStartingWith('a', 1), 3);
    EXPECT_EQ(playlist.RowStartingWith('A', 3), 1); // round past the end
    EXPECT_EQ(playlist.RowStartingWith('c', 2), 2); // the caret's own row comes last
    EXPECT_EQ(playlist.RowStartingWith('z', 0), -1);
}

} // namespace
} // namespace tundeck
