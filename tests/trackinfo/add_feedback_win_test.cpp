// What a long add shows in the status bar and as the cursor, on a clock the test moves.
#include "support/main_window_fixture.h"
#include "trackinfo/add_feedback_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace tundeck {
namespace {

ULONGLONG now = 0;
ULONGLONG TestClock() {
    return now;
}

class AddFeedbackTest : public testing::MainWindowTest {
protected:
    AddFeedbackTest() { Start(); }
    std::string FirstPanel() { return Main().Status().Text(HoverNamePanel); }
};

TEST_F(AddFeedbackTest, ALongAddCountsItsTracksAndGivesThePanelBack) {
    SendMessageA(Main().Status().Handle(), SB_SETTEXTA, HoverNamePanel, reinterpret_cast<LPARAM>("a.mp3"));
    now = 1000;
    {
        AddFeedback busy(Main().Status(), &TestClock);
        EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
        now = 1499;
        busy.TracksFound(10); // still quick: nothing shown
        EXPECT_EQ(FirstPanel(), "a.mp3");
        now = 1500;
        busy.TracksFound(11);
        EXPECT_EQ(FirstPanel(), "Adding tracks: 11");
        now = 1520;
        busy.TracksFound(12); // repainted at most every 50 ms
        EXPECT_EQ(FirstPanel(), "Adding tracks: 11");
        now = 1550;
        busy.TracksFound(13);
        EXPECT_EQ(FirstPanel(), "Adding tracks: 13");
        now = 1600;
        busy.TracksFound(2); // the next directory of a drop counts on
        EXPECT_EQ(FirstPanel(), "Adding tracks: 15");
    }
    EXPECT_EQ(FirstPanel(), "a.mp3");
    EXPECT_NE(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
}

} // namespace
} // namespace tundeck
