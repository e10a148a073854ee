#include "trackinfo/time_totals.h"

#include "framework/error.h"
#include "playlist/fake_list_widget.h"
#include "playlist/playlist.h"

#include <gtest/gtest.h>

#include <map>

namespace tundeck {
namespace {

TEST(FormatMinSec, MinutesAndTwoDigitSeconds) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00"},
        {5, "0:05"},
        {59, "0:59"},
        {60, "1:00"},
        {3'600, "60:00"},
        {3'725, "62:05"},
        {2'147'483'647, "35791394:07"},
        {6'000'000'000, "100000000:00"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(FormatMinSec(seconds), text) << seconds;
    }
}

class TimeTotalsTest : public ::testing::Test {
protected:
    FakeListWidget widget;
    bool showFullPath = false;
    Playlist playlist{widget, showFullPath};
    std::map<std::string, std::int32_t> seconds;
    std::vector<std::string> asked;

    TimeTotals Compute() {
        asked.clear();
        return ComputeTimeTotals(playlist, [this](const std::string& path) {
            asked.push_back(path);
            return seconds[path];
        });
    }
};

TEST_F(TimeTotalsTest, SumsAllAndSelectedRows) {
    seconds = {{"C:\\a.mp3", 59}, {"C:\\b.mp3", 62}};
    playlist.AddTrack("C:\\a.mp3", -1, false);
    playlist.AddTrack("C:\\b.mp3", -1, true);
    const TimeTotals totals = Compute();
    EXPECT_EQ(TotalTimeText(totals.Total), "Total time: 2:01");
    EXPECT_EQ(SelTimeText(totals.Selected), "Sel. time: 1:02");
}

TEST_F(TimeTotalsTest, SkipsOnlyExactHttpStreamsInRowOrder) {
    seconds = {{"C:\\a.mp3", 10}, {"HTTP://host/b.mp3", 20}, {"https://host/c.mp3", 40}};
    for (const char* path : {"http://host/live.mp3", "C:\\a.mp3", "HTTP://host/b.mp3", "https://host/c.mp3",
                             "http:x.mp3", "C:\\a.mp3"}) {
        playlist.AddTrack(path, -1, true);
    }
    const TimeTotals totals = Compute();
    EXPECT_EQ(asked, (std::vector<std::string>{"C:\\a.mp3", "HTTP://host/b.mp3", "https://host/c.mp3",
                                               "C:\\a.mp3"}));
    EXPECT_EQ(totals.Total, 80);
    EXPECT_EQ(totals.Selected, 80);
}

TEST_F(TimeTotalsTest, EmptyOrOnlyStreamsGiveTheZeroTexts) {
    for (const char* stream : {"", "http://a/x.mp3", "http://b:8000"}) {
        if (*stream != '\0') {
            playlist.AddTrack(stream, -1, true);
        }
        const TimeTotals totals = Compute();
        EXPECT_TRUE(asked.empty());
        EXPECT_EQ(SelTimeText(totals.Selected), SelTimeZeroText);
        EXPECT_EQ(TotalTimeText(totals.Total), TotalTimeZeroText);
    }
}

TEST_F(TimeTotalsTest, ErrorFromAFileStopsTheComputation) {
    playlist.AddTrack("C:\\a.mp3", -1, false);
    playlist.AddTrack("C:\\short.mp3", -1, false);
    playlist.AddTrack("C:\\c.mp3", -1, false);
    const auto secondsOf = [this](const std::string& path) -> std::int32_t {
        asked.push_back(path);
        if (path == "C:\\short.mp3") {
            RaiseIoError(IoReadBeyondEnd);
        }
        return 1;
    };
    EXPECT_THROW(ComputeTimeTotals(playlist, secondsOf), Error);
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(TimeTotalsTest, TotalsBeyond32BitsDoNotWrap) {
    seconds = {{"a.mp3", 2'000'000'000}};
    playlist.AddTrack("a.mp3", -1, true);
    playlist.AddTrack("a.mp3", -1, true);
    EXPECT_EQ(Compute().Selected, 4'000'000'000);
}

} // namespace
} // namespace tundeck
