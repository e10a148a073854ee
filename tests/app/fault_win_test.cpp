// Real faults at the moments the program writes: a full disk and a read-only program directory,
// which the test command mounts. Each ends with the error box, and files written whole keep
// their old content.
#include "app/commands.h"
#include "support/main_window_fixture.h"
#include "trackinfo/tundeck_idtag.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

using testing::ReadWholeFile;

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    return GetEnvironmentVariableA(name, value, sizeof value) > 0 ? value : "";
}

std::vector<std::string> ErrorTexts(const testing::ScriptedInteraction& ui) {
    std::vector<std::string> texts;
    for (const testing::ShownMessage& message : ui.Messages) {
        if (message.Caption == ApplicationTitle && message.Flags == (MessageOk | MessageIconStop)) {
            texts.push_back(message.Text);
        }
    }
    return texts;
}

TEST(Faults, AReadOnlyProgramDirectoryAtExitShowsTheErrorAndKeepsTheFiles) {
    const std::string dir = Environment("TUNDECK_READONLY_DIR");
    if (dir.empty()) {
        GTEST_SKIP() << "no read-only directory: the test command mounts one when it runs as root";
    }
    testing::CurrentDirectoryKeeper keeper;
    const std::string settings = ReadWholeFile(dir + "tundeck.ini");
    const std::string playlist = ReadWholeFile(dir + "tmplist.m3u");
    testing::ScriptedInteraction ui;
    {
        Application app(ui, dir);
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(app.Main().Tracks().Count(), 1);
    }
    EXPECT_EQ(ErrorTexts(ui), std::vector<std::string>{"File access denied."});
    EXPECT_EQ(ReadWholeFile(dir + "tundeck.ini"), settings);
    EXPECT_EQ(ReadWholeFile(dir + "tmplist.m3u"), playlist);
}

// Files listed by the browser that are gone when they are read: each reader passes them over.
class VanishedFiles : public testing::MainWindowTest {};

TEST_F(VanishedFiles, GetAllHoverTotalsDropsAndTheTagDialogPassThemOverSilently) {
    testing::TempDir music;
    music.Write("gone.mp3", std::string("\xFF\xFB\x90\x64", 4) + std::string(16000 * 3, '\0'));
    music.Write("list.m3u", "gone.mp3\r\n");
    CreateDirectoryA(music.File("sub").c_str(), nullptr);
    Start();
    ShowWindow(Main().Handle(), SW_SHOW);
    Main().Browser().ChangeDirectory(music.Path().string());
    ASSERT_EQ(testing::ListTexts(Control(IdFileListBox1)).size(), 2u);
    DeleteFileA(music.File("gone.mp3").c_str());
    DeleteFileA(music.File("list.m3u").c_str());
    RemoveDirectoryA(music.File("sub").c_str());

    SendMessageA(Control(IdFileListBox1), WM_MOUSEMOVE, 0, MAKELPARAM(10, 5)); // the first row
    EXPECT_EQ(Main().Status().Text(HoverTimePanel), "Time: 0:00");
    SendMessageA(Main().Handle(), WM_COMMAND, IdButton1, 0); // Get All: the listed track goes in
    EXPECT_EQ(Main().Tracks().Paths(), std::vector<std::string>{music.File("gone.mp3")});
    EXPECT_EQ(Main().Status().Text(TotalTimePanel), "Total time: 0:00");
    SendMessageA(Control(IdListBox1), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(testing::MakeShellDrop({music.File("sub")}, 5, 5)), 0);
    EXPECT_EQ(Main().Tracks().Count(), 1); // a dropped directory that is gone adds nothing
    app->TagEditor().ViewEditIDTag1Click(music.File("gone.mp3"), {});
    SetFocus(app->TagEditor().Control(Form4::IdEdit1));
    SendMessageA(app->TagEditor().Control(Form4::IdEdit1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
    SendMessageA(app->TagEditor().Control(Form4::IdButton1), BM_CLICK, 0, 0);
    ASSERT_EQ(ui.Messages.size(), 1u); // the question, answered OK; then no error
    EXPECT_EQ(ui.Messages[0].Caption, "Update ID3?");
    EXPECT_EQ(GetFileAttributesA(music.File("gone.mp3").c_str()), INVALID_FILE_ATTRIBUTES); // not made anew
}

// A program directory on a small file system, filled up once the program runs.
class FullDisk : public ::testing::Test {
protected:
    std::string dir = Environment("TUNDECK_SMALL_DISK");
    testing::CurrentDirectoryKeeper keeper;
    testing::ScriptedInteraction ui;

    void SetUp() override {
        if (dir.empty()) {
            GTEST_SKIP() << "no small file system: the test command mounts one when it runs as root";
        }
        Write("tundeck.ini", "MelvDir=" + testing::TestTool("standin_player/standin_player.exe") + "\r\n");
        Write("tmplist.m3u", "C:\\Music\\a.mp3\r\n");
    }
    void TearDown() override {
        for (const char* name : {"filler", "tundeck.ini", "tmplist.m3u", "saved.m3u"}) {
            DeleteFileA((dir + name).c_str());
        }
    }
    void Write(const std::string& name, const std::string& bytes) {
        HANDLE file = CreateFileA((dir + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    // Writes until the file system refuses another byte.
    void Fill() {
        HANDLE file =
            CreateFileA((dir + "filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        const std::string block(4096, 'x');
        DWORD written = 1;
        while (written > 0 &&
               WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr)) {
        }
        for (written = 1; written > 0 && WriteFile(file, "x", 1, &written, nullptr);) {
        }
        CloseHandle(file);
    }
};

TEST_F(FullDisk, PlayingAndEndingKeepTheRememberedPlaylistAndTheSettings) {
    const std::string settings = ReadWholeFile(dir + "tundeck.ini");
    {
        Application app(ui, dir);
        ASSERT_TRUE(app.Start());
        Fill();
        SendMessageA(app.Main().Handle(), WM_COMMAND, IdButton4, 0);        // Play All
        EXPECT_EQ(FindWindowA("Melvane Main Window", "Melvane3"), nullptr); // not started
    }
    EXPECT_EQ(ErrorTexts(ui), (std::vector<std::string>{"Disk full.", "Disk full."}));
    EXPECT_EQ(ReadWholeFile(dir + "tmplist.m3u"), "C:\\Music\\a.mp3\r\n");
    EXPECT_EQ(ReadWholeFile(dir + "tundeck.ini"), settings);
}

TEST_F(FullDisk, SavingAPlaylistAndTheSettingsKeepTheOldFiles) {
    Write("saved.m3u", "C:\\old.mp3\r\n");
    // An empty remembered playlist still fits on the full disk (replacing a longer one would
    // free room); the settings do not.
    Write("tmplist.m3u", "");
    const std::string settings = ReadWholeFile(dir + "tundeck.ini");
    {
        Application app(ui, dir);
        ASSERT_TRUE(app.Start());
        app.Main().Tracks().AddTrack("C:\\new.mp3", -1, false);
        Fill();
        ui.FileAnswers.push_back(dir + "saved.m3u");
        SendMessageA(app.Main().Handle(), WM_COMMAND, CmdSavePlaylist, 0); // Save Playlist As...
        EXPECT_EQ(ReadWholeFile(dir + "saved.m3u"), "C:\\old.mp3\r\n");
        app.Main().Tracks().Clear();
    }
    EXPECT_EQ(ErrorTexts(ui), (std::vector<std::string>{"Disk full.", "Disk full."}));
    EXPECT_EQ(ReadWholeFile(dir + "tundeck.ini"), settings);
    EXPECT_EQ(ReadWholeFile(dir + "tmplist.m3u"), "");
}

} // namespace
} // namespace tundeck
