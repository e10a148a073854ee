// The command line's words, and what start-up takes from them.
#include "app/command_line.h"
#include "app/main_menus.h"

#include <gtest/gtest.h>

#include <set>

namespace tundeck {
namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, BlanksAndControlCharactersSeparateQuotesGroupAndGo) {
    EXPECT_EQ(SplitCommandLine("  C:\\My\tMusic\\a.mp3\r\n"), (Words{"C:\\My", "Music\\a.mp3"}));
    EXPECT_EQ(SplitCommandLine("\"C:\\My Music\\a.mp3\" \"\" b\"c d\"e"),
              (Words{"C:\\My Music\\a.mp3", "bc de"}));
    EXPECT_EQ(SplitCommandLine("\"unclosed and on"), (Words{"unclosed and on"}));
    EXPECT_TRUE(SplitCommandLine("").empty());
}

class PlanCommandLineTest : public ::testing::Test {
protected:
    std::set<std::string> files{"C:\\My Music\\a.mp3", "C:\\b.MP3", "C:\\c.m3u"};
    CommandLinePlan Plan(const Words& words, bool autoPlay = true) {
        return PlanCommandLine(words, autoPlay,
                               [&](const std::string& path) { return files.count(path) > 0; });
    }
    static std::vector<std::string> Paths(const CommandLinePlan& plan) {
        std::vector<std::string> paths;
        for (const CommandLineFile& file : plan.Files) {
            paths.push_back(file.Path + (file.IsPlaylistFile ? " (list)" : ""));
        }
        return paths;
    }
};

TEST_F(PlanCommandLineTest, TheJoinedPathAndTheLastWordsExtensionDecide) {
    const CommandLinePlan joined = Plan({"C:\\My", "Music\\a.mp3"});
    EXPECT_EQ(Paths(joined), (Words{"C:\\My Music\\a.mp3"}));
    EXPECT_TRUE(joined.Play);
    EXPECT_EQ(Paths(Plan({"C:\\b.MP3"}, false)), (Words{"C:\\b.MP3"}));
    EXPECT_FALSE(Plan({"C:\\b.MP3"}, false).Play);
    EXPECT_TRUE(Paths(Plan({"C:\\gone.mp3"})).empty());
    EXPECT_FALSE(Plan({"C:\\gone.mp3"}).Play);
    // A playlist file is read, and played, even when it is not there.
    const CommandLinePlan missingList = Plan({"C:\\gone.m3u"});
    EXPECT_EQ(Paths(missingList), (Words{"C:\\gone.m3u (list)"}));
    EXPECT_TRUE(missingList.Play);
    EXPECT_TRUE(Paths(Plan({"notes.txt"})).empty());
    EXPECT_FALSE(Plan({"notes.txt"}).Play);
}

TEST_F(PlanCommandLineTest, SeveralExistingFilesAreTakenEachInOrder) {
    const CommandLinePlan each = Plan({"C:\\c.m3u", "C:\\b.MP3", "C:\\My Music\\a.mp3"});
    EXPECT_EQ(Paths(each), (Words{"C:\\c.m3u (list)", "C:\\b.MP3", "C:\\My Music\\a.mp3"}));
    EXPECT_TRUE(each.Play);
    // One word that is no existing track or playlist: the described rule alone.
    EXPECT_TRUE(Paths(Plan({"C:\\b.MP3", "C:\\gone.mp3"})).empty());
    EXPECT_TRUE(Paths(Plan({"C:\\b.MP3", "x.txt"})).empty());
    // A joined path that exists wins over the words.
    files.insert("C:\\b.MP3 C:\\b.MP3");
    EXPECT_EQ(Paths(Plan({"C:\\b.MP3", "C:\\b.MP3"})), (Words{"C:\\b.MP3 C:\\b.MP3"}));
}

TEST(DefaultPlaylistCommand, FollowsTheDoubleClickActionAndNumbering) {
    EXPECT_EQ(DefaultPlaylistCommand(false, 1), CmdPlayFromHere);
    EXPECT_EQ(DefaultPlaylistCommand(false, 2), CmdPlaySingle);
    EXPECT_EQ(DefaultPlaylistCommand(true, 2), CmdPlayFromHere);
    EXPECT_EQ(DefaultPlaylistCommand(true, 3), CmdRemove);
    EXPECT_EQ(DefaultPlaylistCommand(false, 0), 0);
    EXPECT_EQ(DefaultPlaylistCommand(true, 200), 0);
}

} // namespace
} // namespace tundeck
