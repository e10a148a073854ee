#include "playlist/m3u.h"

#include "fake_list_widget.h"
#include "playlist/playlist.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitPlaylistLines, AnyRunOfLineEndsEndsALine) {
    const std::pair<std::string_view, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"\r\n\r\na\n\n\r\rb", {"a", "b"}},
        {"\r\n\n\r", {}},
        {"a\x1a"
         "b\r\nc",
         {"a"}},
        {"a\r\n\x1a\r\nb", {"a"}},
        {"\x1a"
         "a",
         {}},
        {std::string_view("a\0b\r\n\0", 6), {std::string_view("a\0b", 3), std::string_view("\0", 1)}},
        {" a \t\r\n", {" a \t"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(SplitPlaylistLines(text), lines) << testing::PrintToString(std::string(text));
    }
}

TEST(CompleteLines, ALineCutShortByAFailedReadIsLeftOut) {
    EXPECT_EQ(CompleteLines("a.mp3\r\nb.mp"), "a.mp3\r\n");
    EXPECT_EQ(CompleteLines("a.mp3\rb.mp3"), "a.mp3\r");
    EXPECT_TRUE(HoldsEndOfFile("a.mp3\032b") && !HoldsEndOfFile("a.mp3\r\n"));
    EXPECT_EQ(CompleteLines("a.mp3"), "");
}

TEST(SplitPlaylistLines, LongLineWithoutLineEnd) {
    const std::string line(1 << 20, 'x');
    EXPECT_EQ(SplitPlaylistLines(line), Lines{line});
}

TEST(IsPlaylistTrackLine, TakesOnlyTheMp3Extension) {
    for (const char* line : {"C:\\Music\\a.mp3", "C:\\Music\\A.MP3", "#remark.mp3", "http://host/x.mp3",
                             "a.b.Mp3", "relative.mp3"}) {
        EXPECT_TRUE(IsPlaylistTrackLine(line)) << line;
    }
    for (const char* line : {"a.mp3 ", "#EXTM3U", "C:\\lists\\other.m3u", "http://host:8000", "http://host/",
                             "a.mp3\\b", "C:.mp3x", "mp3", ""}) {
        EXPECT_FALSE(IsPlaylistTrackLine(line)) << line;
    }
}

TEST(FormatPlaylistFile, CrLfAfterEveryPathAndReadsBack) {
    const std::vector<std::string> paths{"C:\\a.mp3", "http://h/b.mp3", "C:\\a.mp3"};
    const std::string text = FormatPlaylistFile(paths);
    EXPECT_EQ(text, "C:\\a.mp3\r\nhttp://h/b.mp3\r\nC:\\a.mp3\r\n");
    EXPECT_EQ(SplitPlaylistLines(text), (Lines{paths[0], paths[1], paths[2]}));
    EXPECT_EQ(FormatPlaylistFile({}), "");
}

class AddPlaylistFileTextTest : public ::testing::Test {
protected:
    FakeListWidget widget;
    bool showFullPath = true;
    Playlist playlist{widget, showFullPath};

    void SetUp() override {
        for (const char* path : {"r0.mp3", "r1.mp3", "r2.mp3", "r3.mp3"}) {
            playlist.AddTrack(path, -1, false);
        }
        playlist.SetSelected(3, true);
    }
};

constexpr std::string_view FileText = "#EXTM3U\r\nx.mp3\r\nlist.m3u\n\ny.MP3\rz.mp3 \r\nw.mp3";

TEST_F(AddPlaylistFileTextTest, InsertsAcceptedLinesInFileOrderAtThePosition) {
    EXPECT_EQ(AddPlaylistFileText(playlist, FileText, 3, true), 3);
    EXPECT_EQ(playlist.Paths(),
              (std::vector<std::string>{"r0.mp3", "r1.mp3", "r2.mp3", "x.mp3", "y.MP3", "w.mp3", "r3.mp3"}));
    EXPECT_EQ(playlist.SelectedRows(), (std::vector<int>{3, 4, 5, 6}));
}

TEST_F(AddPlaylistFileTextTest, AppendsUnselected) {
    EXPECT_EQ(AddPlaylistFileText(playlist, FileText, -1, false), 3);
    EXPECT_EQ(playlist.Paths(),
              (std::vector<std::string>{"r0.mp3", "r1.mp3", "r2.mp3", "r3.mp3", "x.mp3", "y.MP3", "w.mp3"}));
    EXPECT_EQ(playlist.SelectedRows(), std::vector<int>{3});
    EXPECT_EQ(AddPlaylistFileText(playlist, "", 0, true), 0);
    EXPECT_EQ(playlist.Count(), 7);
}

} // namespace
} // namespace tundeck
