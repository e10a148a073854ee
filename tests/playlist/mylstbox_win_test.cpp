// The playlist's real list box inside a real main window: rows, flags and hit tests read back
// from the control itself.
#include "app/commands.h"
#include "app/main_controls.h"
#include "framework/ole_session_win.h"
#include "framework/list_accessible_win.h"
#include "player/player_window.h"
#include "playlist/mylstbox.h"
#include "support/main_window_fixture.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace tundeck {
namespace {

using Rows = std::vector<int>;

VARIANT Child(LONG id) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// A window's accessible object, as a screen reader in this process gets it.
struct Accessible {
    IAccessible* object = nullptr;
    explicit Accessible(HWND window) {
        AccessibleObjectFromWindow(window, OBJID_CLIENT, AccessibleInterfaceId,
                                   reinterpret_cast<void**>(&object));
    }
    ~Accessible() {
        if (object != nullptr) {
            object->Release();
        }
    }
    std::string Name(LONG child) const {
        BSTR name = nullptr;
        object->get_accName(Child(child), &name);
        const int length = static_cast<int>(SysStringLen(name));
        std::string text(static_cast<std::size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, 0, name, length, text.data(), length, nullptr, nullptr);
        SysFreeString(name);
        return text;
    }
    std::vector<std::string> RowNames() const {
        LONG count = 0;
        object->get_accChildCount(&count);
        std::vector<std::string> names;
        for (LONG child = 1; child <= count; ++child) {
            names.push_back(Name(child));
        }
        return names;
    }
    LONG Answer(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), LONG child) const {
        VARIANT answer{};
        (object->*get)(Child(child), &answer);
        return answer.vt == VT_I4 ? answer.lVal : -1;
    }
};

class PlaylistListBox : public testing::MainWindowTest {
protected:
    HWND list = nullptr;
    myListBox view; // a second view of the main window's list, for its hit tests

    PlaylistListBox() {
        Start();
        list = Control(IdListBox1);
        view.Attach(list);
    }

    Playlist& Tracks() { return Main().Tracks(); }

    void AddNumbered(int count, const std::string& directory = "C:\\Music\\Album\\") {
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i) {
            paths.push_back(directory + "t" + std::to_string(i) + ".mp3");
        }
        Tracks().AddTracks(std::vector<std::string_view>(paths.begin(), paths.end()), -1, false);
    }

    int ItemHeight() const { return static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)); }
    RECT Client() const {
        RECT client{};
        GetClientRect(list, &client);
        return client;
    }

    RECT ItemRect(int row) const {
        RECT r{};
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }

    // What the control itself holds.
    Rows SelectedInList() const {
        Rows rows(static_cast<std::size_t>(std::max<LRESULT>(SendMessageA(list, LB_GETSELCOUNT, 0, 0), 0)));
        SendMessageA(list, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
        return rows;
    }
    std::string RowText(int row) const { return testing::DrawnRowText(list, row); }
    std::vector<std::string> ListTexts() const { return testing::DrawnListTexts(list); }
    std::vector<std::string> EntryTexts() {
        std::vector<std::string> texts;
        for (const PlaylistEntry& entry : Tracks().Entries()) {
            texts.emplace_back(entry.DisplayText);
        }
        return texts;
    }
    // A middle-button press: the list reports it, and nothing else acts on it.
    int PressedIndexAfterPressAt(POINT point) {
        SendMessageA(list, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(point.x, point.y));
        SendMessageA(list, WM_MBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        return Main().PressedIndex();
    }
};

TEST_F(PlaylistListBox, FlagsFollowTheirRowsThroughInsertRemoveAndMove) {
    AddNumbered(8);
    Tracks().SetSelected(2, true);
    Tracks().SetSelected(5, true);

    Tracks().AddTrack("C:\\new\\first.mp3", 0, false);
    EXPECT_EQ(SelectedInList(), (Rows{3, 6}));
    Tracks().AddTrack("C:\\new\\fifth.mp3", 4, true);
    EXPECT_EQ(SelectedInList(), (Rows{3, 4, 7}));
    Tracks().AddTrack("C:\\new\\last.mp3", Tracks().Count(), true); // the count appends
    EXPECT_EQ(SelectedInList(), (Rows{3, 4, 7, 10}));
    EXPECT_EQ(RowText(10), "last.mp3");

    Tracks().RemoveTrack(3);
    EXPECT_EQ(SelectedInList(), (Rows{3, 6, 9}));
    EXPECT_FALSE(Tracks().RemoveTrack(10));

    // A moved row comes out unselected; the rows between shift with their flags.
    Tracks().MoveTrack(6, 1);
    EXPECT_EQ(SelectedInList(), (Rows{4, 9}));
    EXPECT_EQ(Tracks().Path(1), "C:\\Music\\Album\\t5.mp3");
    Tracks().SetSelected(0, true);
    Tracks().MoveTrack(0, 5);
    EXPECT_EQ(SelectedInList(), (Rows{3, 9}));
    EXPECT_EQ(RowText(5), "first.mp3");
    EXPECT_EQ(ListTexts(), EntryTexts());
    EXPECT_EQ(Tracks().SelectedRows(), SelectedInList());
}

TEST_F(PlaylistListBox, DisplayModeSwitchKeepsFlagsCaretAndScrollPosition) {
    AddNumbered(200);
    for (int row : {2, 5, 150}) {
        Tracks().SetSelected(row, true);
    }
    SendMessageA(list, LB_SETANCHORINDEX, 5, 0);
    SendMessageA(list, LB_SETCARETINDEX, 120, FALSE);
    SendMessageA(list, LB_SETTOPINDEX, 100, 0);

    Main().Options().ShowFullPath = true;
    Tracks().SetDisplayMode(true);
    EXPECT_EQ(RowText(5), "C:\\Music\\Album\\t5.mp3");
    EXPECT_EQ(SelectedInList(), (Rows{2, 5, 150}));
    // The user's place in the list: where Shift+click extends from, the focus, the view.
    EXPECT_EQ(SendMessageA(list, LB_GETANCHORINDEX, 0, 0), 5);
    EXPECT_EQ(SendMessageA(list, LB_GETCARETINDEX, 0, 0), 120);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 100);
    // Rows added afterwards follow the new mode.
    Tracks().AddTrack("C:\\new\\x.mp3", 0, false);
    EXPECT_EQ(RowText(0), "C:\\new\\x.mp3");

    Main().Options().ShowFullPath = false;
    Tracks().SetDisplayMode(false);
    EXPECT_EQ(RowText(0), "x.mp3");
    EXPECT_EQ(SelectedInList(), (Rows{3, 6, 151}));
    EXPECT_EQ(ListTexts(), EntryTexts());
}

TEST_F(PlaylistListBox, HitTestsOnRowsBelowThemAndOutside) {
    const int h = ItemHeight();
    const RECT client = Client();
    ASSERT_GT(h, 0);
    ASSERT_GT(client.bottom, 5 * h);
    EXPECT_EQ(view.RowAt({5, 5}), -1);
    EXPECT_EQ(view.InsertionPositionAt({5, 5}), 0);

    AddNumbered(3);
    const struct {
        POINT point;
        int row;
        int position;
    } cases[] = {
        {{0, 0}, 0, 0},
        {{5, h + h / 2}, 1, 1},
        {{client.right - 1, 3 * h - 1}, 2, 2},
        {{5, 3 * h}, -1, 3}, // below the last row
        {{5, client.bottom - 1}, -1, 3},
        {{-1, 5}, -1, -1}, // outside the client area
        {{5, -1}, -1, -1},
        {{client.right, 5}, -1, -1},
        {{5, client.bottom}, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(view.RowAt(c.point), c.row) << c.point.x << "," << c.point.y;
        EXPECT_EQ(view.InsertionPositionAt(c.point), c.position) << c.point.x << "," << c.point.y;
        EXPECT_EQ(PressedIndexAfterPressAt(c.point), c.row) << c.point.x << "," << c.point.y;
    }

    // Scrolled down, the rows count from the top one.
    AddNumbered(97);
    SendMessageA(list, LB_SETTOPINDEX, 40, 0);
    EXPECT_EQ(view.RowAt({5, 2 * h + 1}), 42);
    EXPECT_EQ(PressedIndexAfterPressAt({5, 2 * h + 1}), 42);
}

TEST_F(PlaylistListBox, ListsLongerThan65535Rows) {
    AddNumbered(70'000, "C:\\");
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 70'000);
    SendMessageA(list, LB_SETTOPINDEX, 66'000, 0);
    ASSERT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 66'000);
    const RECT row = ItemRect(66'003);
    const POINT point{5, row.top + 1};
    EXPECT_EQ(view.RowAt(point), 66'003);
    EXPECT_EQ(view.InsertionPositionAt(point), 66'003);
    EXPECT_EQ(PressedIndexAfterPressAt(point), 66'003);
    EXPECT_EQ(RowText(66'003), "t66003.mp3");

    Tracks().SetSelected(66'003, true);
    Tracks().SetSelected(69'999, true);
    EXPECT_EQ(Tracks().SelectedRows(), (Rows{66'003, 69'999}));
    Tracks().MoveTrack(69'999, 0);
    EXPECT_EQ(SelectedInList(), (Rows{66'004}));
    EXPECT_EQ(RowText(0), "t69999.mp3");

    // Scrolled to the end: the last row, and the space under it if the list shows any.
    SendMessageA(list, LB_SETTOPINDEX, 69'999, 0);
    const RECT last = ItemRect(69'999);
    EXPECT_EQ(view.RowAt({5, last.bottom - 1}), 69'999);
    if (last.bottom < Client().bottom) {
        EXPECT_EQ(view.RowAt({5, last.bottom}), -1);
        EXPECT_EQ(view.InsertionPositionAt({5, last.bottom}), 70'000);
    }
}

// Screen readers' and automation tools' view: the rows through the list's accessible object and
// LB_GETTEXT, and the transport buttons' names.
TEST_F(PlaylistListBox, RowsAndTransportButtonsSpeakToScreenReaders) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    AddNumbered(40);
    Tracks().SetSelected(2, true);
    Tracks().SetSelected(35, true); // the caret, scrolled into view
    SetFocus(list);
    {
        const Accessible rows(list);
        ASSERT_NE(rows.object, nullptr);
        for (const bool fullPath : {false, true}) {
            Main().Options().ShowFullPath = fullPath;
            Tracks().SetDisplayMode(fullPath);
            const std::vector<std::string> drawn = ListTexts();
            EXPECT_EQ(rows.RowNames(), drawn);
            EXPECT_EQ(testing::ListTexts(list), drawn);
        }
        EXPECT_EQ(rows.Name(36), "C:\\Music\\Album\\t35.mp3");

        constexpr LONG Item = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE |
                              STATE_SYSTEM_MULTISELECTABLE | STATE_SYSTEM_EXTSELECTABLE;
        const auto state = &IAccessible::get_accState;
        EXPECT_EQ(rows.Answer(state, 36), Item | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
        EXPECT_EQ(rows.Answer(state, 3), Item | STATE_SYSTEM_SELECTED | STATE_SYSTEM_OFFSCREEN);
        EXPECT_EQ(rows.Answer(state, 37), Item);
        EXPECT_EQ(rows.Answer(&IAccessible::get_accRole, 37), ROLE_SYSTEM_LISTITEM);
        VARIANT focus{};
        rows.object->get_accFocus(&focus);
        EXPECT_EQ(focus.lVal, 36);

        VARIANT selection{};
        ASSERT_EQ(rows.object->get_accSelection(&selection), S_OK);
        ASSERT_EQ(selection.vt, VT_UNKNOWN);
        IEnumVARIANT* selected = nullptr;
        selection.punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&selected));
        VARIANT children[3]{};
        ULONG fetched = 0;
        EXPECT_EQ(selected->Next(3, children, &fetched), S_FALSE);
        EXPECT_EQ((std::vector<LONG>{static_cast<LONG>(fetched), children[0].lVal, children[1].lVal}),
                  (std::vector<LONG>{2, 3, 36}));
        selected->Release();
        VariantClear(&selection);

        LONG left = 0, top = 0, width = 0, height = 0;
        rows.object->accLocation(&left, &top, &width, &height, Child(37));
        const POINT inRow = ScreenPoint(list, {5, ItemRect(36).top + 1});
        EXPECT_EQ((std::vector<LONG>{left, top, width, height}),
                  (std::vector<LONG>{inRow.x - 5, inRow.y - 1, Client().right, ItemHeight()}));
        VARIANT hit{};
        rows.object->accHitTest(inRow.x, inRow.y, &hit);
        EXPECT_EQ(hit.lVal, 37);
    }
    const ControlId buttons[] = {IdBitBtn1, IdBitBtn2, IdBitBtn3, IdBitBtn4, IdBitBtn5};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        EXPECT_EQ(Accessible(Control(buttons[i])).Name(CHILDID_SELF), TransportButtons[i].Hint);
    }
    CoUninitialize();
}

// Random, the down arrow and a drop of two directories on a row end with the focus, the anchor
// and the view where setting their flags one row at a time leaves them.
TEST_F(PlaylistListBox, EditsEndWhereTheirFlagsScrolledTheView) {
    const int page = Client().bottom / ItemHeight();
    ASSERT_TRUE(page >= 5 && page < 30) << page;
    const auto view = [&] {
        return std::vector<LRESULT>{SendMessageA(list, LB_GETTOPINDEX, 0, 0),
                                    SendMessageA(list, LB_GETCARETINDEX, 0, 0),
                                    SendMessageA(list, LB_GETANCHORINDEX, 0, 0)};
    };
    const auto start = [&](int rows, std::initializer_list<int> selected, int top) {
        Tracks().Clear();
        AddNumbered(rows);
        for (int row : selected) {
            Tracks().SetSelected(row, true);
        }
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    };
    Main().Options().AutoPlayAfterRandom = false;
    start(100, {60, 70, 80}, 50);
    Main().Button7Click(); // rows 0, 1 and 2 flagged in turn: the first brings the view to the top
    EXPECT_EQ(view(), (std::vector<LRESULT>{0, 2, 2}));
    start(100, {5, 90}, 0);
    Main().UpDown1Click(false); // row 91, then row 6
    EXPECT_EQ(view(), (std::vector<LRESULT>{6, 6, 6}));

    testing::TempDir music;
    std::filesystem::create_directory(music.Path() / "A");
    std::filesystem::create_directory(music.Path() / "B");
    for (int i = 0; i < 35; ++i) {
        music.Write((i < 30 ? "A\\" : "B\\") + std::to_string(i) + ".mp3", "\xFF\xFB\x90\x64");
    }
    start(40, {}, 0);
    const RECT row10 = ItemRect(10);
    SendMessageA(list, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(
                     testing::MakeShellDrop({music.File("A"), music.File("B")}, 5, row10.top + 1)),
                 0);
    // A's rows 10 to 39 scroll the view down; B's, in front of them, bring it back to row 10.
    EXPECT_EQ(Tracks().Count(), 75);
    EXPECT_EQ(view(), (std::vector<LRESULT>{10, 14, 14}));
    EXPECT_TRUE(ui.Messages.empty());
}

// Typing a letter finds rows in the code page's own case, accented capitals too.
TEST_F(PlaylistListBox, TypingALetterFindsRowsInTheCodePagesCase) {
    for (const char* name : {"zed.mp3", "\xC9lan.mp3", "\xD8resund.mp3", "\xE9t\xE9.mp3"}) {
        Tracks().AddTrack(std::string("C:\\m\\") + name, -1, false);
    }
    SetFocus(list);
    std::vector<int> rows;
    for (const WPARAM typed : {0xE9, 0xE9, 0xF8, 0x5A}) { // é, é, ø, Z
        SendMessageA(list, WM_CHAR, typed, 1);
        rows.push_back(FocusedListRow(list));
    }
    EXPECT_EQ(rows, (std::vector<int>{1, 3, 2, 0}));
}

// What a program prints, run in a process of its own while this thread goes on answering the
// messages it sends.
std::string OutputOf(const std::string& arguments, const testing::TempDir& dir) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(dir.File("out.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    std::string commandLine = "\"" + testing::TestTool("tools/wintool.exe") + "\" " + arguments;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(out);
    if (!started) {
        return "not started";
    }
    testing::WaitUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::string text = dir.Read("out.txt");
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Another process reads the rows as a screen reader does, with OLE set up on this thread as the
// program sets it up at start, then asks for the rows' texts with LB_GETTEXT, which across
// processes carries a buffer of eight bytes: the program goes on editing, undoing and saving.
TEST_F(PlaylistListBox, AnotherProcessReadsTheRowsAndCannotOverrunTheProgram) {
    const OleSession ole;
    testing::TempDir dir;
    const std::string folder = "C:\\" + std::string(200, 'x') + "\\";
    AddNumbered(300, folder);
    Main().Options().ShowFullPath = true;
    Tracks().SetDisplayMode(true);
    Tracks().SetSelected(2, true);
    Tracks().SetSelected(250, true);
    SetFocus(list);
    const std::string handle = std::to_string(reinterpret_cast<INT_PTR>(list));
    constexpr LONG Item = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_MULTISELECTABLE |
                          STATE_SYSTEM_EXTSELECTABLE;
    const std::string offscreen = std::to_string(Item | STATE_SYSTEM_OFFSCREEN);
    EXPECT_EQ(OutputOf("msaa " + handle + " 3", dir),
              folder + "t0.mp3|" + offscreen + "\n" + folder + "t1.mp3|" + offscreen + "\n" + folder +
                  "t2.mp3|" + std::to_string(Item | STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_SELECTED) +
                  "\nfocus 251\nselection 3 251\n");
    EXPECT_EQ(OutputOf("lbtext " + handle + " 300", dir), "largest 8\n");

    const std::vector<std::string> paths = Tracks().Paths();
    Main().Button3Click();
    EXPECT_EQ(Tracks().Count(), 298);
    Main().RunCommand(CmdUndo, 0);
    EXPECT_EQ(Tracks().Paths(), paths);
    End();
    const std::string saved = programDir.Read("tmplist.m3u");
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 300);
}

} // namespace
} // namespace tundeck
