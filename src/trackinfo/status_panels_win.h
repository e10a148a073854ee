#pragma once
// The main window's status bar: one table of its four panels, and every text written to them.

#include "framework/controls_win.h"
#include "playlist/totals_view.h"

namespace tundeck {

inline constexpr int HoverNamePanel = 0;
inline constexpr int HoverTimePanel = 1;
inline constexpr int SelectedTimePanel = 2;
inline constexpr int TotalTimePanel = 3;

class StatusPanels final : public TotalsView {
public:
    // Takes over the status bar and gives it its panels and their first texts.
    void Attach(HWND bar);
    HWND Handle() const { return bar_.Handle(); }
    std::string Text(int panel) const { return bar_.Text(panel); }

    // The first panel takes what the layout leaves it; the others keep their widths.
    void SetFirstPanelWidth(int width);
    // Reads every non-stream track's header afresh and rewrites both time panels. An error
    // ends it before either panel changes.
    void UpdateTimeTotals(const Playlist& playlist) override;
    void ShowZeroTotals() override;
    void ShowZeroSelection() override;
    // The track under the mouse: `text` as the list shows it and its playing time, read afresh
    // ("???" for a stream). A header that cannot be read leaves both panels as they were.
    void ShowTrackHover(ShownText text, const std::string& path) override;
    // A file of the browser: the name written first, so a header that cannot be read leaves
    // the time panel as it was under the new name.
    void ShowFileHover(ShownText name, const std::string& path) override;
    // No track under the mouse.
    void ClearHoverInfo() override;
    // A text in the first panel at once, while the program is busy and paints nothing else.
    void ShowNow(const std::string& text);

private:
    StatusBar bar_;
};

} // namespace tundeck
