#include "app/main_controls.h"

#include <algorithm>

#include <cstddef>
#include <iterator>
#include <stdexcept>

namespace tundeck {

namespace {

using K = ControlKind;

const ControlSpec Controls[] = {
    {IdDriveComboBox1, "DriveComboBox1", K::DriveSelector, "", "Current Drive", true, {7, 16, 241, 22}, 0},
    // A list draws no window text: the lists' texts are their names for screen readers.
    {IdFileListBox1,
     "FileListBox1",
     K::FileList,
     "Files",
     "Choose files to include in playlist",
     false,
     {7, 144, 241, 200},
     1},
    {IdListBox1, "ListBox1", K::Playlist, "Current Playlist", "", false, {251, 16, 284, 328}, 2},
    {IdDirectoryListBox1,
     "DirectoryListBox1",
     K::DirectoryList,
     "Current Directory",
     "Current Directory",
     true,
     {7, 40, 241, 101},
     3},
    {IdFilterComboBox1,
     "FilterComboBox1",
     K::FilterSelector,
     "",
     "Visible file-types",
     true,
     {7, 347, 241, 24},
     4},
    {IdButton1,
     "Button1",
     K::Button,
     "Get All",
     "Include all .mp3-files in current directory in the playlist",
     true,
     {7, 403, 87, 25},
     5},
    {IdButton2, "Button2", K::Button, "Remove All", "Remove all tracks", true, {251, 403, 87, 25}, 6},
    {IdButton3, "Button3", K::Button, "Remove Sel.", "Remove selected track", true, {251, 378, 87, 25}, 7},
    {IdButton4, "Button4", K::Button, "Play All", "Play all tracks", true, {341, 403, 87, 25}, 8},
    {IdButton5, "Button5", K::Button, "Play Selected", "Play selected tracks", true, {341, 378, 87, 25}, 9},
    {IdButton9,
     "Button9",
     K::Button,
     "Get Selected",
     "Include selected files in playlist",
     true,
     {7, 378, 87, 25},
     10},
    {IdButton6, "Button6", K::Button, "Deselect All", "Deselect all tracks", true, {431, 378, 87, 25}, 11},
    {IdButton7, "Button7", K::Button, "Random", "", true, {431, 403, 87, 25}, 12},
    {IdUpDown1, "UpDown1", K::UpDown, "", "Move selection up or down", true, {540, 144, 30, 113}, 14},
    {IdPanel1, "Panel1", K::Splitter, "", "", false, {245, 16, 6, 353}, 15},
    {IdPanel2, "Panel2", K::Splitter, "", "", false, {8, 140, 241, 6}, 16},
    {IdBitBtn1, "BitBtn1", K::GlyphButton, "", "Play", true, {251, 351, 55, 21}, 18},
    {IdBitBtn2, "BitBtn2", K::GlyphButton, "", "Stop", true, {308, 351, 55, 21}, 19},
    {IdBitBtn3, "BitBtn3", K::GlyphButton, "", "Pause", true, {365, 351, 55, 21}, 20},
    {IdBitBtn4, "BitBtn4", K::GlyphButton, "", "Skip to previous track", true, {422, 351, 55, 21}, 21},
    {IdBitBtn5, "BitBtn5", K::GlyphButton, "", "Skip to next track", true, {479, 351, 58, 21}, 22},
    {IdLabel2, "Label2", K::Label, "Current Directory", "", false, {7, 0, 241, 16}, -1},
    {IdLabel1, "Label1", K::Label, "Current Playlist", "", false, {251, 0, 284, 16}, -1},
    {IdStatusBar1, "StatusBar1", K::StatusBar, "", "", false, {0, 432, 575, 20}, -1},
};

// The control the layout places at each of its rectangles, in the layout's order.
struct Placement {
    LayoutControl Control;
    ControlId Id;
};

using L = LayoutControl;

constexpr Placement Placed[] = {
    {L::Label2, IdLabel2},
    {L::DriveComboBox1, IdDriveComboBox1},
    {L::DirectoryListBox1, IdDirectoryListBox1},
    {L::Panel2, IdPanel2},
    {L::FileListBox1, IdFileListBox1},
    {L::FilterComboBox1, IdFilterComboBox1},
    {L::Panel1, IdPanel1},
    {L::Label1, IdLabel1},
    {L::ListBox1, IdListBox1},
    {L::UpDown1, IdUpDown1},
    {L::BitBtn1, IdBitBtn1},
    {L::BitBtn2, IdBitBtn2},
    {L::BitBtn3, IdBitBtn3},
    {L::BitBtn4, IdBitBtn4},
    {L::BitBtn5, IdBitBtn5},
    {L::Button9, IdButton9},
    {L::Button1, IdButton1},
    {L::Button3, IdButton3},
    {L::Button2, IdButton2},
    {L::Button5, IdButton5},
    {L::Button4, IdButton4},
    {L::Button6, IdButton6},
    {L::Button7, IdButton7},
};

constexpr bool EveryRectangleInItsPlace() {
    for (std::size_t i = 0; i < std::size(Placed); ++i) {
        if (static_cast<std::size_t>(Placed[i].Control) != i) {
            return false;
        }
    }
    return std::size(Placed) == LayoutControlCount;
}
static_assert(EveryRectangleInItsPlace());

// The headings are static text, which leaves the mouse to the window behind them.
constexpr ControlId HoverResetControls[] = {
    IdDirectoryListBox1, IdButton1, IdButton9, IdButton2, IdButton3,
    IdButton4,           IdButton5, IdButton6, IdButton7, IdUpDown1,
};

} // namespace

std::span<const ControlSpec> MainControls() {
    return Controls;
}

const ControlSpec& MainControl(ControlId id) {
    for (const ControlSpec& info : Controls) {
        if (info.Id == id) {
            return info;
        }
    }
    throw std::out_of_range("unknown control");
}

bool ResetsHoverInfo(ControlId id) {
    return std::find(std::begin(HoverResetControls), std::end(HoverResetControls), id) !=
           std::end(HoverResetControls);
}

ControlId PlacedControl(LayoutControl control) {
    return Placed[static_cast<std::size_t>(control)].Id;
}

std::optional<LayoutControl> PlacementOf(ControlId id) {
    for (const Placement& placement : Placed) {
        if (placement.Id == id) {
            return placement.Control;
        }
    }
    return std::nullopt;
}

} // namespace tundeck
