#include "playlist/display_text.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

TEST(MakeDisplayText, FileNameMode) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Music\\Band\\song.mp3", "song.mp3"},
        {"D:song.mp3", "song.mp3"},
        {"song.mp3", "song.mp3"},
        {"", ""},
        {"http://host/dir/live.mp3", "live.mp3"},
        {"http://host/dir/", ""},
        {"http://host:8000", "8000"},
        {"http:", ""},
        {"http:\\\\host\\a.mp3", "a.mp3"},
        // Only an exact "http:" turns slashes into separators.
        {"HTTP://host/dir/x.mp3", "//host/dir/x.mp3"},
        {"https://host/x.mp3", "//host/x.mp3"},
        {"C:/music/a.mp3", "/music/a.mp3"},
        {"dir/a.mp3", "dir/a.mp3"},
    };
    for (const auto& [path, text] : cases) {
        EXPECT_EQ(MakeDisplayText(path, false), text) << path;
        EXPECT_EQ(MakeDisplayText(path, true), path);
    }
}

TEST(MakeDisplayText, FileNamesAreCutAt255Characters) {
    const std::string name(300, 'n');
    EXPECT_EQ(MakeDisplayText("C:\\" + name, false), name.substr(0, 255));
    EXPECT_EQ(MakeDisplayText("http://h/" + name, false), name.substr(0, 255));
    EXPECT_EQ(MakeDisplayText("C:\\" + name, true), "C:\\" + name);
}

TEST(RealDisplayTextIn, ARealNameIsCutAt255WholeCharacters) {
    std::string name;
    for (int i = 0; i < 300; ++i) {
        name += "Ж"; // two bytes
    }
    const std::string path = "D:\\Ж\\" + name;
    EXPECT_EQ(RealDisplayTextIn(path, false), name.substr(0, 2 * 255));
    EXPECT_EQ(RealDisplayTextIn(path, true), path);
}

TEST(IsStreamEntry, ExactLowerCaseHttpColon) {
    EXPECT_TRUE(IsStreamEntry("http:"));
    EXPECT_TRUE(IsStreamEntry("http://host:8000"));
    EXPECT_FALSE(IsStreamEntry("http"));
    EXPECT_FALSE(IsStreamEntry("HTTP://host/a.mp3"));
    EXPECT_FALSE(IsStreamEntry("https://host/a.mp3"));
    EXPECT_FALSE(IsStreamEntry(" http://host/a.mp3"));
}

} // namespace
} // namespace tundeck
