// The window base under real messages: the error barrier, and the messages it decodes for the
// typed handlers.
#include "framework/controls_win.h"
#include "framework/window.h"
#include "support/scripted_interaction.h"
#include "support/test_tools.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace tundeck {
namespace {

using testing::ScriptedInteraction;

// An error box that runs its own message loop, as the desktop's does.
class PumpingInteraction : public ScriptedInteraction {
public:
    int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                    std::uint32_t flags) override {
        testing::WaitUntil([] { return false; }, 100);
        return ScriptedInteraction::ShowMessage(owner, text, caption, flags);
    }
};

class TestWindow final : public Window {
public:
    explicit TestWindow(UserInteraction& ui) : Window(ui) {
        RegisterClass("TundeckTestWindow", nullptr, GetSysColorBrush(COLOR_BTNFACE));
        Create("TundeckTestWindow", "Test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {0, 0, 300, 200}, nullptr,
               nullptr);
    }
    ~TestWindow() override { Destroy(); }

    int paints = 0;
    bool throwOnDrop = false;
    std::vector<std::string> dropped;
    POINT dropPoint{};
    ContextMenuRequest menuRequest;
    std::vector<int> upDownMoves;
    std::vector<MouseEvent> childMice;
    int* destroyed = nullptr;

protected:
    void OnDestroy() override {
        if (destroyed != nullptr) {
            ++*destroyed;
        }
    }
    void OnPaint() override {
        ++paints;
        throw 42; // not even a std::exception
    }
    void OnDropFiles(const std::vector<std::string>& paths, POINT point) override {
        dropped = paths;
        dropPoint = point;
        if (throwOnDrop) {
            throw std::runtime_error("Disk full");
        }
    }
    bool OnContextMenu(const ContextMenuRequest& request) override {
        menuRequest = request;
        return true;
    }
    void OnUpDown(int /*id*/, int position, int delta) override {
        upDownMoves.push_back(position * 10 + delta);
    }
    void OnChildMouse(int /*id*/, const MouseEvent& event) override { childMice.push_back(event); }
};

class WindowBase : public ::testing::Test {
protected:
    PumpingInteraction ui;
    TestWindow window{ui};
    HWND Handle() { return window.Handle(); }
};

TEST_F(WindowBase, AFailingPaintShowsOneBoxAndIsNotRepeatedByTheBoxOwnLoop) {
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Unexpected error.");
    EXPECT_EQ(window.paints, 1);
    EXPECT_FALSE(GetUpdateRect(Handle(), nullptr, FALSE));
}

TEST_F(WindowBase, DroppedFilesArriveWholeAndTheDropIsAlwaysReleased) {
    const std::string longPath = "C:\\" + std::string(400, 'a') + "\\x.mp3";
    HGLOBAL drop = testing::MakeShellDrop({"C:\\a.mp3", longPath}, 12, 34);
    SendMessageA(Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(window.dropped, (std::vector<std::string>{"C:\\a.mp3", longPath}));
    EXPECT_EQ(window.dropPoint.x, 12);
    EXPECT_EQ(window.dropPoint.y, 34);
    EXPECT_EQ(GlobalFlags(drop), GMEM_INVALID_HANDLE);

    window.throwOnDrop = true;
    drop = testing::MakeShellDrop({"C:\\b.mp3"}, 0, 0);
    SendMessageA(Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(GlobalFlags(drop), GMEM_INVALID_HANDLE);
    ASSERT_FALSE(ui.Messages.empty());
    EXPECT_EQ(ui.Messages.back().Text, "Disk full.");
}

TEST_F(WindowBase, TheKeyboardContextMenuHasNoPoint) {
    SendMessageA(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), MAKELPARAM(-20, 30));
    EXPECT_FALSE(window.menuRequest.FromKeyboard);
    EXPECT_EQ(window.menuRequest.ScreenPoint.x, -20);
    EXPECT_EQ(window.menuRequest.ScreenPoint.y, 30);
    SendMessageA(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), -1);
    EXPECT_TRUE(window.menuRequest.FromKeyboard);
    EXPECT_EQ(window.menuRequest.Window, Handle());
}

TEST_F(WindowBase, UpDownClicksAreReportedOnlyWhenThePositionMoves) {
    HWND upDown = CreateChild(Handle(), UPDOWN_CLASSA, "", WS_VISIBLE, 0, 7, {10, 10, 30, 110});
    SendMessageA(upDown, UDM_SETRANGE32, static_cast<WPARAM>(-32768), 32767);
    const auto click = [&](int y) {
        SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, y));
        SendMessageA(upDown, WM_LBUTTONUP, 0, MAKELPARAM(10, y));
    };
    SendMessageA(upDown, UDM_SETPOS32, 0, 0);
    click(20); // upper arrow
    click(80); // lower arrow
    SendMessageA(upDown, UDM_SETPOS32, 0, 32767);
    click(20);
    EXPECT_EQ(window.upDownMoves, (std::vector<int>{1 * 10 + 1, 0 * 10 - 1}));
}

TEST_F(WindowBase, ChildMouseMessagesReachTheParentDecoded) {
    HWND list = CreateChild(Handle(), "LISTBOX", "", WS_VISIBLE | LBS_NOTIFY, 0, 8, {0, 0, 100, 100});
    ReportMouseToParent(list);
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 8));
    ASSERT_EQ(window.childMice.size(), 2u);
    EXPECT_EQ(window.childMice[0].Action, MouseAction::Move);
    EXPECT_EQ(window.childMice[0].Point.y, 6);
    EXPECT_EQ(window.childMice[1].Action, MouseAction::Press);
    EXPECT_EQ(window.childMice[1].Button, MouseButton::Right);
    EXPECT_EQ(window.childMice[1].Point.x, 7);
}

TEST(WindowLifetime, TheDerivedDestructionHandlerRunsAndNoWindowOutlivesItsObject) {
    ScriptedInteraction ui;
    int destroyed = 0;
    {
        TestWindow window(ui);
        window.destroyed = &destroyed;
    }
    EXPECT_EQ(destroyed, 1);

    // A class that leaves its window open: the base destroys it quietly.
    class Careless final : public Window {
    public:
        explicit Careless(UserInteraction& ui) : Window(ui) {
            RegisterClass("TundeckCareless", nullptr, nullptr);
            Create("TundeckCareless", "", WS_POPUP, 0, {0, 0, 10, 10}, nullptr, nullptr);
        }
    };
    HWND handle = nullptr;
    {
        Careless careless(ui);
        handle = careless.Handle();
    }
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_TRUE(ui.Messages.empty());
}

} // namespace
} // namespace tundeck
