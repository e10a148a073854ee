// Files whose names the code page cannot spell, on the running main window: reached through their
// short names, shown by their real names.
#include "app/command_line_win.h"
#include "framework/file_io_win.h"
#include "framework/wide_names_win.h"
#include "playlist/adding_win.h"
#include "support/main_window_fixture.h"
#include "trackinfo/tundeck_idtag.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

using Names = std::vector<std::wstring>;
using testing::TestTool;

const std::wstring Moscow = L"Москва.mp3", Tokyo = L"東京.mp3", Cafe = L"café.mp3", Song = L"歌 うた.mp3";

std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class InternationalNamesTest : public testing::MainWindowTest {
protected:
    std::filesystem::path music = programDir.Path() / "music";
    std::wstring musicPath = music.wstring() + L"\\";

    InternationalNamesTest() {
        const std::string cbr = Bytes(TestTool("trackinfo/data/ffmpeg-tagged-cbr.mp3")); // 0:05
        const std::string vbr = Bytes(TestTool("trackinfo/data/lame-vbr-tagged.mp3"));   // 0:07
        std::filesystem::create_directories(music / L"音楽");
        for (const auto& [name, bytes] :
             {std::pair{Moscow, cbr}, {Tokyo, vbr}, {Cafe, cbr}, {L"音楽\\" + Song, cbr}}) {
            std::ofstream(music / name, std::ios::binary) << bytes;
        }
    }
    ~InternationalNamesTest() override {
        if (HWND player = FindWindowA("Melvane Main Window", "Melvane3")) {
            PostMessageA(player, WM_CLOSE, 0, 0);
        }
    }

    Names ShownFiles() {
        Names names;
        for (std::size_t row = 0; row < Main().Browser().Files().size(); ++row) {
            names.push_back(WideText(Main().Browser().ShownFileNameAt(static_cast<int>(row))));
        }
        return names;
    }
    Names Rows() {
        Names rows;
        for (int row = 0; row < Main().Tracks().Count(); ++row) {
            rows.push_back(WideText(Main().Tracks().Shown(row)));
            // Kept as a plain path that opens; drawn, and read by screen readers, by the real name.
            EXPECT_TRUE(FileExists(std::string(Main().Tracks().Path(row)))) << row;
            EXPECT_EQ(WideFromUtf8(testing::DrawnRowText(Control(IdListBox1), row, CP_UTF8)), rows.back());
            EXPECT_EQ(ListRowText(Control(IdListBox1), row), rows.back());
        }
        return rows;
    }
};

TEST_F(InternationalNamesTest, AreListedAddedTimedPlayedTaggedAndKeptAcrossARestart) {
    Start();
    FileBrowser& browser = Main().Browser();
    ASSERT_TRUE(browser.ChangeDirectory(music.string()));
    EXPECT_EQ(ShownFiles(), (Names{Cafe, Moscow, Tokyo}));
    const HWND directories = Control(IdDirectoryListBox1);
    const int subdirectory = static_cast<int>(SendMessageA(directories, LB_GETCOUNT, 0, 0)) - 1;
    EXPECT_EQ(WideFromUtf8(testing::DrawnRowText(directories, subdirectory, CP_UTF8)), L"音楽");
    ASSERT_TRUE(browser.ChangeDirectory(browser.DirectoryPathAt(subdirectory)));
    EXPECT_EQ(ShownFiles(), Names{Song});
    ASSERT_TRUE(browser.ChangeDirectory(music.string()));

    SendMessageA(Control(IdButton1), BM_CLICK, 0, 0); // Get All
    EXPECT_EQ(Rows(), (Names{Cafe, Moscow, Tokyo}));
    // Wine makes a short name for every name: a file without one is told of, once, at the end of
    // the command that would have taken it.
    AddFiles(Main().Tracks(), browser.Directory() + "\\", {UsableName{"", Utf8FromWide(Moscow)}}, false,
             nullptr);
    EXPECT_EQ(Main().Tracks().Count(), 3);
    SendMessageA(Main().Handle(), WM_NULL, 0, 0);
    SendMessageA(Main().Handle(), WM_NULL, 0, 0);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_NE(ui.Messages[0].Text.find(Utf8FromWide(Moscow)), std::string::npos);
    EXPECT_EQ(ui.Messages[0].Flags, MessageIconWarning | MessageTextUtf8);
    EXPECT_EQ(Main().Status().Text(TotalTimePanel), "Total time: 0:17");
    Main().Tracks().SetDisplayMode(true);
    EXPECT_EQ(WideText(Main().Tracks().Shown(2)), WideFromAnsi(browser.Directory()) + L"\\" + Tokyo);
    Main().Tracks().SetDisplayMode(false);

    SendMessageA(Control(IdButton4), BM_CLICK, 0, 0); // Play All
    const std::vector<std::string> kept = Main().Tracks().Paths();
    EXPECT_EQ(programDir.Read("tmplist.m3u"), testing::CrLfLines(kept));

    Form4& tags = app->TagEditor();
    tags.ViewEditIDTag1Click(kept[1], {"v", "t", "b", "f"});
    wchar_t label[MAX_PATH] = {};
    GetWindowTextW(tags.Control(Form4::IdLabel7), label, MAX_PATH);
    EXPECT_EQ(label, WideFromAnsi(browser.Directory()) + L"\\" + Moscow);
    SetFocus(tags.Control(Form4::IdEdit1));
    SetWindowTextA(tags.Control(Form4::IdEdit1), "Song");
    SendMessageA(tags.Control(Form4::IdButton1), BM_CLICK, 0, 0);
    EXPECT_EQ(Bytes(music / Moscow).substr(Bytes(music / Moscow).size() - 128, 7), "TAGSong");

    // The command line and the shell, in wide names: only what the code page cannot spell goes by
    // its short name; a file that is not there is left out without a word.
    const std::vector<std::string> words = CommandLineWords(L"tundeck.exe " + musicPath + L"音楽\\" + Song);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].substr(0, music.string().size()), music.string());
    EXPECT_TRUE(CommandLineWords(L"tundeck \"" + musicPath + L"Нет.mp3\"").empty());
    const std::vector<std::wstring> dropped{musicPath + Tokyo, musicPath + L"Нет.mp3"};
    SendMessageA(Control(IdListBox1), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(testing::MakeShellDrop(dropped, -5, -5)), 0);
    EXPECT_EQ(Rows(), (Names{Cafe, Moscow, Tokyo, Tokyo}));
    EXPECT_EQ(ui.Messages.size(), 2u); // and the tag dialog's question

    End();
    Start();
    EXPECT_EQ(Rows(), (Names{Cafe, Moscow, Tokyo, Tokyo}));
    End();
    Start(words);
    EXPECT_EQ(Rows(), Names{Song});
}

TEST(InternationalNames, ANameIsUsedItselfByItsShortNameOrNotAtAll) {
    const std::string moscow = Utf8FromWide(Moscow);
    const std::optional<std::string> cafe = AnsiSpelling(Cafe);
    ASSERT_TRUE(cafe && *cafe == "caf\xE9.mp3");
    EXPECT_FALSE(AnsiSpelling(L"ā.mp3")); // 1252 would put a plain "a" for it
    EXPECT_EQ(NameToUse(Cafe, L"CAF~1.MP3").Name, *cafe);
    EXPECT_EQ(NameToUse(Moscow, L"6A3F~1.MP3").Name + NameToUse(Moscow, L"6A3F~1.MP3").Real,
              "6A3F~1.MP3" + moscow);
    const UsableName unreachable = NameToUse(Moscow, L""); // a volume without short names
    EXPECT_EQ(unreachable.Name + "|" + unreachable.Real, "|" + moscow);
    NoteUnreachable(moscow);
    NoteUnreachable(moscow);
    EXPECT_EQ(TakeUnreachableReport(),
              "This file cannot be reached:\n\n" + moscow +
                  "\n\nIts name cannot be written in this system's code page, and it has "
                  "no short (8.3) name that can.");
    EXPECT_EQ(TakeUnreachableReport(), "");
}

} // namespace
} // namespace tundeck
