#include "trackinfo/status_panels_win.h"

#include "playlist/display_text.h"
#include "trackinfo/info_lines.h"
#include "trackinfo/mpeg_header_win.h"
#include "trackinfo/time_totals.h"

#include <array>
#include <cstddef>

namespace tundeck {

namespace {

struct PanelSpec {
    int Width;
    const char* FirstText;
};

constexpr std::array<PanelSpec, 4> Panels{{
    {248, ""},
    {89, "Time:"},
    {110, "Sel. time:"},
    {126, "Total time:"},
}};

} // namespace

void StatusPanels::Attach(HWND bar) {
    bar_.Attach(bar);
    SetFirstPanelWidth(Panels[0].Width);
    for (std::size_t panel = 0; panel < Panels.size(); ++panel) {
        bar_.SetText(static_cast<int>(panel), Panels[panel].FirstText);
    }
}

void StatusPanels::SetFirstPanelWidth(int width) {
    std::array<int, Panels.size()> widths{};
    for (std::size_t panel = 0; panel < Panels.size(); ++panel) {
        widths[panel] = Panels[panel].Width;
    }
    widths[0] = width;
    bar_.SetWidths(widths);
}

void StatusPanels::UpdateTimeTotals(const Playlist& playlist) {
    const TimeTotals totals = ComputeTimeTotals(
        playlist, [](const std::string& path) { return TrackSeconds(ReadMpegHeader(path)); });
    bar_.SetText(TotalTimePanel, TotalTimeText(totals.Total));
    bar_.SetText(SelectedTimePanel, SelTimeText(totals.Selected));
}

void StatusPanels::ShowZeroTotals() {
    bar_.SetText(TotalTimePanel, TotalTimeZeroText);
    ShowZeroSelection();
}

void StatusPanels::ShowZeroSelection() {
    bar_.SetText(SelectedTimePanel, SelTimeZeroText);
}

void StatusPanels::ShowNow(const std::string& text) {
    bar_.SetText(HoverNamePanel, text);
    UpdateWindow(bar_.Handle());
}

void StatusPanels::ShowTrackHover(ShownText text, const std::string& path) {
    const std::string time = IsStreamEntry(path) ? StreamHoverTimeText : HoverTimeText(ReadMpegHeader(path));
    bar_.SetText(HoverNamePanel, text);
    bar_.SetText(HoverTimePanel, "Time: " + time);
}

void StatusPanels::ShowFileHover(ShownText name, const std::string& path) {
    bar_.SetText(HoverNamePanel, name);
    bar_.SetText(HoverTimePanel, "Time: " + HoverTimeText(ReadMpegHeader(path)));
}

void StatusPanels::ClearHoverInfo() {
    bar_.SetText(HoverNamePanel, "");
    bar_.SetText(HoverTimePanel, "Time: ");
}

} // namespace tundeck
