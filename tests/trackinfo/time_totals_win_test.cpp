// The time panels of a real main window's status bar, totalled from real files.
#include "app/main_controls.h"
#include "support/main_window_fixture.h"
#include "trackinfo/status_panels_win.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

// MPEG-2 Layer III at 8 kbit/s: 1,000 bytes a second.
const std::string Header8Kbit("\xFF\xF3\x10\x00", 4);

class TimeTotalsPanels : public testing::MainWindowTest {
protected:
    TimeTotalsPanels() { Start(); }

    std::string Track(const std::string& name, int seconds) {
        programDir.Write(name, Header8Kbit + std::string(static_cast<std::size_t>(seconds) * 1000 - 4, '\0'));
        return programDir.File(name);
    }
    Playlist& Tracks() { return Main().Tracks(); }
    std::string SelTime() { return Main().Status().Text(SelectedTimePanel); }
    std::string TotalTime() { return Main().Status().Text(TotalTimePanel); }
    // A left-button release over the playlist, as the mouse gives it after a selection.
    void ReleaseLeftButtonOnList() { SendMessageA(Control(IdListBox1), WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }
};

TEST_F(TimeTotalsPanels, EmptyPlaylistAtStartShowsZeroTimes) {
    EXPECT_EQ(SelTime(), "Sel. time: 0:00");
    EXPECT_EQ(TotalTime(), "Total time: 0:00");
}

TEST_F(TimeTotalsPanels, TotalAndSelectionSkippingStreamsAndUnreadableFiles) {
    Tracks().AddTrack(Track("a.mp3", 59), -1, false);
    Tracks().AddTrack("http://radio.example:8000/live.mp3", -1, true);
    Tracks().AddTrack(Track("b.mp3", 62), -1, true);
    Tracks().AddTrack(programDir.File("gone.mp3"), -1, true);
    Main().UpdateTimeTotals();
    EXPECT_EQ(TotalTime(), "Total time: 2:01");
    EXPECT_EQ(SelTime(), "Sel. time: 1:02");
    EXPECT_TRUE(ui.Messages.empty());

    // Only streams: nothing to count.
    Tracks().Clear();
    Tracks().AddTrack("http://radio.example/a.mp3", -1, true);
    Main().UpdateTimeTotals();
    EXPECT_EQ(TotalTime(), "Total time: 0:00");
    EXPECT_EQ(SelTime(), "Sel. time: 0:00");
}

TEST_F(TimeTotalsPanels, SelectionChangesShowOnTheNextLeftButtonRelease) {
    Tracks().AddTrack(Track("a.mp3", 59), -1, false);
    Tracks().AddTrack(Track("b.mp3", 62), -1, false);
    Main().UpdateTimeTotals();
    Tracks().SetSelected(0, true); // as the keyboard would
    EXPECT_EQ(SelTime(), "Sel. time: 0:00");
    ReleaseLeftButtonOnList();
    EXPECT_EQ(SelTime(), "Sel. time: 0:59");
    EXPECT_EQ(TotalTime(), "Total time: 2:01");
    // A track gets longer: nothing is cached, the next total reads the file again.
    Track("a.mp3", 3600);
    ReleaseLeftButtonOnList();
    EXPECT_EQ(SelTime(), "Sel. time: 60:00");
    EXPECT_EQ(TotalTime(), "Total time: 61:02");
}

TEST_F(TimeTotalsPanels, ShortFileStopsTheTotalWithAnErrorBoxAndKeepsTheOldTexts) {
    Tracks().AddTrack(Track("a.mp3", 59), -1, true);
    Main().UpdateTimeTotals();
    programDir.Write("short.mp3", "\xFF\xF3\x10");
    Tracks().AddTrack(programDir.File("short.mp3"), -1, true);
    Tracks().AddTrack(Track("b.mp3", 62), -1, true);
    ReleaseLeftButtonOnList();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Read beyond end of file.");
    EXPECT_EQ(ui.Messages[0].Caption, "Tundeck");
    EXPECT_EQ(ui.Messages[0].Flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(TotalTime(), "Total time: 0:59");
    EXPECT_EQ(SelTime(), "Sel. time: 0:59");
    // The window goes on: with the short file gone the totals come back.
    Tracks().RemoveTrack(1);
    ReleaseLeftButtonOnList();
    EXPECT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(TotalTime(), "Total time: 2:01");
}

} // namespace
} // namespace tundeck
