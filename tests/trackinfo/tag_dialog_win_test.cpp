// The tag dialog on real files: what it shows, when it asks, and what it writes.
#include "framework/error.h"
#include "support/main_window_fixture.h"
#include "trackinfo/tundeck_idtag.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

const std::string Audio = std::string("\xFF\xFB\x90\x64", 4) + std::string(4000, '\x55');

std::string Field(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), '\0');
}

// A tag as other programs write them: full-width song name, blank-padded artist, a track number
// in the comment, a genre the list does not have.
const std::string ForeignTag = "TAG" + std::string(30, 'S') + "Artist" + std::string(24, ' ') +
                               Field("Album", 30) + "1999" + Field("Nice", 28) + '\0' + '\x05' + '\x50';

class TagDialogTest : public testing::MainWindowTest {
protected:
    testing::TempDir music;

    TagDialogTest() { Start(); }
    Form4& Dialog() { return app->TagEditor(); }
    HWND Box(int index) { return Dialog().Control(Form4::IdEdit1 + index); }
    void Open(const std::string& name) {
        Dialog().ViewEditIDTag1Click(music.File(name), {"v", "t", "b", "f"});
    }
    std::vector<std::string> Boxes() {
        std::vector<std::string> texts;
        for (int i = 0; i < 5; ++i) {
            texts.push_back(WindowText(Box(i)));
        }
        return texts;
    }
    // Typing into a box: the focus enters it, the text changes.
    void Type(int index, const std::string& text) {
        SetFocus(Box(index));
        SetWindowTextA(Box(index), text.c_str());
    }
    void ClickOk() { SendMessageA(Dialog().Control(Form4::IdButton1), BM_CLICK, 0, 0); }
    int Genre() {
        return static_cast<int>(SendMessageA(Dialog().Control(Form4::IdComboBox1), CB_GETCURSEL, 0, 0));
    }
};

TEST_F(TagDialogTest, AForeignTagShowsWhole) {
    music.Write("a.mp3", Audio + ForeignTag);
    Open("a.mp3");
    EXPECT_TRUE(IsWindowVisible(Dialog().Handle()));
    EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
    EXPECT_EQ(GetFocus(), Dialog().Control(Form4::IdButton1));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{std::string(30, 'S'), "Artist", "Album", "1999", "Nice"}));
    EXPECT_EQ(Genre(), -1);
    EXPECT_EQ(WindowText(Dialog().Control(Form4::IdLabel7 + 4)), "f");

    // Closing without a change asks nothing and writes nothing.
    ClickOk();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_FALSE(IsWindowVisible(Dialog().Handle()));
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
    EXPECT_EQ(music.Read("a.mp3"), Audio + ForeignTag);
}

TEST_F(TagDialogTest, ASavedChangeReplacesTheFieldsAndKeepsWhatTheDialogCannotShow) {
    music.Write("a.mp3", Audio + ForeignTag);
    Open("a.mp3");
    Type(1, "abc  ");
    ClickOk();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Caption, "Update ID3?");
    EXPECT_EQ(ui.Messages[0].Text, "You have changed the ID3-Tag. Do you want to update the file?");
    EXPECT_EQ(ui.Messages[0].Flags, MessageOkCancel);
    const std::string expected = "TAG" + std::string(30, 'S') + Field("abc", 30) + Field("Album", 30) +
                                 "1999" + Field("Nice", 28) + '\0' + '\x05' + '\x50';
    EXPECT_EQ(music.Read("a.mp3"), Audio + expected); // same size, genre 80 and track 5 kept
}

TEST_F(TagDialogTest, ANewTagIsAppendedWithTheChosenGenre) {
    music.Write("b.mp3", Audio);
    Open("b.mp3");
    EXPECT_EQ(Boxes(), std::vector<std::string>(5));
    SetFocus(Dialog().Control(Form4::IdComboBox1));
    SendMessageA(Dialog().Control(Form4::IdComboBox1), CB_SETCURSEL, 17, 0);
    ClickOk();
    ASSERT_EQ(ui.Messages.size(), 1u);
    const std::string file = music.Read("b.mp3");
    ASSERT_EQ(file.size(), Audio.size() + 128);
    EXPECT_EQ(file.substr(Audio.size()), "TAG" + std::string(124, '\0') + '\x11');
}

TEST_F(TagDialogTest, TheCloseBoxAndCancelWriteNothing) {
    music.Write("a.mp3", Audio + ForeignTag);
    // The change is still in the focused box: the frame's close does not count it, even after
    // another window took the focus and gave it back.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr,
                                 nullptr, nullptr);
    const auto switchAwayAndBack = [&] {
        SetForegroundWindow(other);
        SetForegroundWindow(Dialog().Handle());
        EXPECT_EQ(GetFocus(), Box(0));
    };
    Open("a.mp3");
    Type(0, "changed");
    switchAwayAndBack();
    SendMessageA(Dialog().Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_FALSE(IsWindowVisible(Dialog().Handle()));
    // A change the focus has left, after coming back, is counted; Cancel at the question keeps
    // the file.
    Open("a.mp3");
    EXPECT_EQ(WindowText(Box(0)), std::string(30, 'S')); // the boxes are read afresh
    Type(0, "changed");
    switchAwayAndBack();
    DestroyWindow(other);
    SetFocus(Box(1));
    ui.MessageAnswers.push_back(AnswerCancel);
    SendMessageA(Dialog().Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(music.Read("a.mp3"), Audio + ForeignTag);
}

TEST_F(TagDialogTest, AFileHeldByAnotherWriterAndAFileTooShort) {
    music.Write("a.mp3", Audio + ForeignTag);
    Open("a.mp3");
    HANDLE writer = CreateFileA(music.File("a.mp3").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    Type(2, "other");
    ClickOk();
    CloseHandle(writer);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[1].Caption, "File access error");
    EXPECT_EQ(ui.Messages[1].Text, "File access error!\rAre you playing this file right now?");
    EXPECT_EQ(music.Read("a.mp3"), Audio + ForeignTag);

    // Too short to hold a tag: the seek's error, and the dialog stays open with empty boxes.
    music.Write("short.mp3", "TAGxyz");
    try {
        Open("short.mp3");
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "I/O error 131");
    }
    EXPECT_TRUE(IsWindowVisible(Dialog().Handle()));
    EXPECT_EQ(Boxes(), std::vector<std::string>(5));
    EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
}

} // namespace
} // namespace tundeck
