#include "trackinfo/info_popup_win.h"

#include "framework/wide_names_win.h"
#include "playlist/display_text.h"
#include "trackinfo/mpeg_header_win.h"

namespace tundeck {

namespace {

enum InfoItem : int {
    TitleItem = InfoItemsPosition,
    TimeItem,
    LayerItem,
    BitrateItem,
    FrequencyItem,
};

} // namespace

void InfoPopup::ClearInfo() {
    Show({});
}

void InfoPopup::ShowTrackInfo(const std::string& path) {
    if (IsStreamEntry(path)) {
        Show(StreamInfoLines(path));
        return;
    }
    const std::string title = MakeDisplayText(path, false);
    const std::string real = RealPathOf(path);
    const ShownText shown = real.empty() ? ShownText{title} : ShownText{RealDisplayTextIn(real, false), true};
    menu_.SetText(TitleItem, shown);
    InfoLines lines = HeaderInfoLines(ReadMpegHeader(path));
    lines.Title = title;
    Show(lines);
    menu_.SetText(TitleItem, shown);
}

HeaderLines InfoPopup::ShownHeaderLines() const {
    return {menu_.Text(LayerItem), menu_.Text(TimeItem), menu_.Text(BitrateItem), menu_.Text(FrequencyItem)};
}

void InfoPopup::Show(const InfoLines& lines) {
    menu_.SetText(TitleItem, lines.Title);
    menu_.SetText(TimeItem, lines.Time);
    menu_.SetText(LayerItem, lines.VersionLayer);
    menu_.SetText(BitrateItem, lines.Bitrate);
    menu_.SetText(FrequencyItem, lines.Frequency);
}

} // namespace tundeck
