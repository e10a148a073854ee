#pragma once
// A popup menu with a column of information items about one track beside its commands.

#include "framework/controls_win.h"
#include "trackinfo/info_lines.h"

#include <span>
#include <string>

namespace tundeck {

// Where the information items stand: title, time, version and layer, bitrate, frequency.
inline constexpr int InfoItemsPosition = 5;

class InfoPopup {
public:
    explicit InfoPopup(std::span<const MenuItemSpec> items) : menu_(items) {}

    PopupMenu& Menu() { return menu_; }
    const PopupMenu& Menu() const { return menu_; }

    void ClearInfo();
    // The lines of the track at `path`, read afresh from the file; a stream's "???" lines. The
    // title is shown first: a header that cannot be read leaves the other lines as they were.
    void ShowTrackInfo(const std::string& path);
    // The header lines shown, for the tag dialog.
    HeaderLines ShownHeaderLines() const;

private:
    void Show(const InfoLines& lines);

    PopupMenu menu_;
};

} // namespace tundeck
