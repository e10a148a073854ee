// Playlist files on disk, read into and saved from a real main window, and the playlist that
// one run leaves for the next.
#include "app/commands.h"
#include "app/main_controls.h"
#include "framework/error.h"
#include "playlist/playlist_files_win.h"
#include "support/main_window_fixture.h"
#include "trackinfo/status_panels_win.h"

#include <gtest/gtest.h>

#include <set>

namespace tundeck {
namespace {

using testing::CrLfLines;
using testing::TempDir;
using Paths = std::vector<std::string>;

std::set<std::string> FileNamesIn(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class PlaylistFiles : public testing::MainWindowTest {
protected:
    PlaylistFiles() { Start(); }

    Playlist& Tracks() { return Main().Tracks(); }
    void AddTracks(const Paths& paths) {
        for (const std::string& path : paths) {
            Tracks().AddTrack(path, -1, false);
        }
    }
    void SavePlaylistAs() { SendMessageA(Main().Handle(), WM_COMMAND, MAKEWPARAM(CmdSavePlaylist, 0), 0); }
    std::string ListRowText(int row) { return testing::DrawnRowText(Control(IdListBox1), row); }
};

TEST_F(PlaylistFiles, WrittenFileReadsBackInOrder) {
    const Paths paths{"C:\\Music\\a.mp3",     "http://host/live.mp3", "C:\\Music\\a.mp3",        "D:song.MP3",
                      "C:\\lists\\other.m3u", "http://host:8000",     "C:\\Music\\\xE9t\xE9.mp3"};
    const std::string file = programDir.File("list.m3u");
    programDir.Write("list.m3u", std::string(1000, 'x')); // an existing file is truncated
    WritePlaylistFile(file, paths);
    EXPECT_EQ(programDir.Read("list.m3u"), CrLfLines(paths));
    ReadPlaylistFile(Tracks(), file, -1, false);
    EXPECT_EQ(Tracks().Paths(), (Paths{paths[0], paths[1], paths[2], paths[3], paths[6]}));
    EXPECT_EQ(ListRowText(1), "live.mp3");
    EXPECT_EQ(ListRowText(4), "\xE9t\xE9.mp3");

    WritePlaylistFile(file, {});
    EXPECT_EQ(programDir.Read("list.m3u"), "");
    EXPECT_THROW(WritePlaylistFile(programDir.File("no such dir\\list.m3u"), paths), Error);
}

TEST_F(PlaylistFiles, AnyLineEndsAndAnyBytesAreRead) {
    using namespace std::string_literals;
    const std::string a = "C:\\Music\\a.mp3";
    const std::string b = "C:\\Music\\b.mp3";
    const std::string longLine = std::string(1 << 20, 'x') + ".mp3";
    const std::string junkTrack = "\x01\xFF\0junk.mp3"s;
    const struct {
        const char* name;
        std::string bytes;
        Paths expected;
    } cases[] = {
        {"LF", a + "\n" + b + "\n", {a, b}},
        {"CR", a + "\r" + b + "\r", {a, b}},
        {"CR LF", a + "\r\n" + b + "\r\n", {a, b}},
        {"mixed, blank lines, no final line end", "\r\n\n" + a + "\n\r\r\n\n" + b, {a, b}},
        {"Ctrl-Z ends the file", a + "\r\n\x1a" + b + "\r\n", {a}},
        {"only line ends", "\r\n\n\r\r", {}},
        {"empty", "", {}},
        {"binary junk", "\0\xFE\xFF\x1b\r\n"s + junkTrack + "\n\xFF.mp3x\r" + a, {junkTrack, a}},
        {"a line of a megabyte", longLine + "\r\n" + a, {longLine, a}},
    };
    const std::string file = programDir.File("in.m3u");
    for (const auto& c : cases) {
        Tracks().Clear();
        programDir.Write("in.m3u", c.bytes);
        ReadPlaylistFile(Tracks(), file, -1, false);
        EXPECT_EQ(Tracks().Paths(), c.expected) << c.name;
        EXPECT_EQ(SendMessageA(Control(IdListBox1), LB_GETCOUNT, 0, 0), Tracks().Count()) << c.name;
    }
    // The megabyte line is kept whole; its row shows at most 255 characters.
    EXPECT_EQ(ListRowText(0).size(), 255u);
}

TEST_F(PlaylistFiles, ReadsAtAPositionInFileOrder) {
    const Paths old{"C:\\0.mp3", "C:\\1.mp3", "C:\\2.mp3", "C:\\3.mp3"};
    AddTracks(old);
    Tracks().SetSelected(1, true);
    Tracks().SetSelected(3, true);
    programDir.Write("in.m3u",
                     "C:\\n\\x.mp3\r\n#EXTINF:1,ignored\r\nC:\\n\\y.mp3\r\nC:\\n\\skip.wav\r\nC:\\n\\z.mp3");
    ReadPlaylistFile(Tracks(), programDir.File("in.m3u"), 3, true);
    EXPECT_EQ(Tracks().Paths(),
              (Paths{old[0], old[1], old[2], "C:\\n\\x.mp3", "C:\\n\\y.mp3", "C:\\n\\z.mp3", old[3]}));
    EXPECT_EQ(Tracks().SelectedRows(), (std::vector<int>{1, 3, 4, 5, 6}));

    ReadPlaylistFile(Tracks(), programDir.File("in.m3u"), -1, false);
    EXPECT_EQ(Tracks().Count(), 10);
    EXPECT_EQ(Tracks().Path(7), "C:\\n\\x.mp3");
    EXPECT_EQ(Tracks().Path(9), "C:\\n\\z.mp3");
    EXPECT_EQ(Tracks().SelectedRows(), (std::vector<int>{1, 3, 4, 5, 6}));
}

TEST_F(PlaylistFiles, MissingFileAddsNothingAndAnUnreadableOneRaises) {
    AddTracks({"C:\\a.mp3"});
    std::filesystem::create_directory(programDir.Path() / "folder.m3u");
    ReadPlaylistFile(Tracks(), programDir.File("missing.m3u"), -1, false);
    ReadPlaylistFile(Tracks(), programDir.File("folder.m3u"), 0, true);
    EXPECT_EQ(Tracks().Count(), 1);

    programDir.Write("locked.m3u", "C:\\b.mp3\r\n");
    const std::string locked = programDir.File("locked.m3u");
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    try {
        ReadPlaylistFile(Tracks(), locked, -1, false);
        ADD_FAILURE() << "a file no one may share was read";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "I/O error 32"); // sharing violation
    }
    CloseHandle(holder);
    EXPECT_EQ(Tracks().Count(), 1);
}

TEST_F(PlaylistFiles, SaveAsOffersTheDialogAndCancelWritesNothing) {
    AddTracks({"C:\\a.mp3"});
    const std::set<std::string> before = FileNamesIn(programDir);
    ui.FileAnswers = {std::nullopt, std::string()};
    SavePlaylistAs();
    SavePlaylistAs(); // an empty name counts as cancel
    ASSERT_EQ(ui.Dialogs.size(), 2u);
    EXPECT_EQ(ui.Dialogs[0].Title, "Enter filename for playlist");
    EXPECT_EQ(ui.Dialogs[0].Filter, "Mp3-Playlist (*.m3u)|*.m3u");
    EXPECT_EQ(ui.Dialogs[0].DefaultExtension, "m3u");
    EXPECT_EQ(ui.Dialogs[0].FileName, "untitled.m3u");
    EXPECT_EQ(FileNamesIn(programDir), before);
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PlaylistFiles, SaveAsNewNameWritesEveryPathAndShowsTheFile) {
    ASSERT_TRUE(Main().Browser().ChangeDirectory(programDir.Directory()));
    ui.FileAnswers = {programDir.File("empty.m3u"), programDir.File("mine.m3u")};
    SavePlaylistAs();
    EXPECT_EQ(programDir.Read("empty.m3u"), "");
    const Paths paths{"C:\\Music\\b.mp3", "http://host/x.mp3", "C:\\Music\\b.mp3"};
    AddTracks(paths);
    Tracks().SetSelected(1, true);
    SavePlaylistAs();
    EXPECT_EQ(programDir.Read("mine.m3u"), CrLfLines(paths));
    EXPECT_TRUE(ui.Messages.empty());
    const std::vector<std::string> shown = Main().Browser().FileNames();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "mine.m3u"), shown.end());
    EXPECT_EQ(FileNamesIn(programDir), (std::set<std::string>{"empty.m3u", "mine.m3u", "tundeck.ini"}));
}

TEST_F(PlaylistFiles, SaveAsOntoAnExistingFileAsksFirst) {
    const std::string old = "C:\\old\\first.mp3\r\nC:\\old\\second.mp3\r\nC:\\old\\third.mp3\r\n";
    programDir.Write("list.m3u", old);
    const std::string name = programDir.File("list.m3u");
    AddTracks({"C:\\new.mp3"});
    ui.FileAnswers = {name, name};
    ui.MessageAnswers = {IDCANCEL, IDOK};

    SavePlaylistAs();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "       File '" + name +
                                       "' already exists!       \r"
                                       "       Do you want to overwrite it?       ");
    EXPECT_EQ(ui.Messages[0].Caption, "Overwrite file?");
    EXPECT_EQ(ui.Messages[0].Flags, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(programDir.Read("list.m3u"), old);

    SavePlaylistAs();
    EXPECT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(programDir.Read("list.m3u"), "C:\\new.mp3\r\n");
    EXPECT_EQ(FileNamesIn(programDir), (std::set<std::string>{"list.m3u", "tundeck.ini"}));
}

TEST_F(PlaylistFiles, FailedSaveKeepsTheOldPlaylist) {
    const std::string old = "C:\\old.mp3\r\n";
    programDir.Write("list.m3u", old);
    const std::string name = programDir.File("list.m3u");
    AddTracks({"C:\\new.mp3"});
    ui.FileAnswers = {name};
    // Another program has it open and does not let it be replaced.
    HANDLE holder = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    SavePlaylistAs();
    CloseHandle(holder);
    ASSERT_EQ(ui.Messages.size(), 2u); // the question, then the error
    EXPECT_EQ(ui.Messages[1].Caption, "Tundeck");
    EXPECT_EQ(ui.Messages[1].Flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(programDir.Read("list.m3u"), old);
    EXPECT_EQ(FileNamesIn(programDir), (std::set<std::string>{"list.m3u", "tundeck.ini"}));
}

// MPEG-2 Layer III at 8 kbit/s: 1,000 bytes a second.
std::string WriteTrack(const TempDir& dir, const std::string& name, int seconds) {
    dir.Write(name, std::string("\xFF\xF3\x10\x00", 4) +
                        std::string(static_cast<std::size_t>(seconds) * 1000 - 4, '\0'));
    return dir.File(name);
}

class RememberedPlaylist : public testing::MainWindowTest {};

TEST_F(RememberedPlaylist, TheEndOfARunWritesItAndTheNextRunReadsItBack) {
    const Paths paths{WriteTrack(programDir, "a.mp3", 59), "http://host/live.mp3",
                      WriteTrack(programDir, "b.mp3", 62), "C:\\gone\\c.mp3",
                      WriteTrack(programDir, "a.mp3", 59)};
    Start();
    for (const std::string& path : paths) {
        Main().Tracks().AddTrack(path, -1, true);
    }
    End();
    EXPECT_EQ(programDir.Read("tmplist.m3u"), CrLfLines(paths));
    Start();
    EXPECT_EQ(Main().Tracks().Paths(), paths);
    EXPECT_EQ(Main().Tracks().SelectedCount(), 0);
    EXPECT_EQ(Main().Status().Text(TotalTimePanel), "Total time: 3:00");
    EXPECT_EQ(Main().Status().Text(SelectedTimePanel), "Sel. time: 0:00");
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(RememberedPlaylist, WithoutRememberTheRunStartsEmptyButStillWritesIt) {
    WriteSettings("Remembr=0\r\n");
    programDir.Write("tmplist.m3u", WriteTrack(programDir, "a.mp3", 59) + "\r\n");
    Start();
    EXPECT_EQ(Main().Tracks().Count(), 0);
    EXPECT_EQ(Main().Status().Text(TotalTimePanel), "Total time: 0:00");
    Main().Tracks().AddTrack("C:\\x.mp3", -1, false);
    End();
    EXPECT_EQ(programDir.Read("tmplist.m3u"), "C:\\x.mp3\r\n");
    EXPECT_NE(programDir.Read("tundeck.ini").find("Remembr=0\r\n"), std::string::npos);
    EXPECT_TRUE(ui.Messages.empty());
}

} // namespace
} // namespace tundeck
