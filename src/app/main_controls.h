#pragma once
// The controls of the main window as data: what each one is, says and where it sits at design size.

#include "ui/layout.h"

#include <optional>
#include <span>

namespace tundeck {

enum class ControlKind {
    Label,
    DriveSelector,
    DirectoryList,
    FileList,
    FilterSelector,
    Splitter,
    Playlist,
    UpDown,
    GlyphButton,
    Button,
    StatusBar,
};

// Child-window identifiers; also the command identifiers of the buttons.
enum ControlId : int {
    IdLabel2 = 100,
    IdDriveComboBox1,
    IdDirectoryListBox1,
    IdPanel2,
    IdFileListBox1,
    IdFilterComboBox1,
    IdPanel1,
    IdLabel1,
    IdListBox1,
    IdUpDown1,
    IdBitBtn1,
    IdBitBtn2,
    IdBitBtn3,
    IdBitBtn4,
    IdBitBtn5,
    IdButton9,
    IdButton1,
    IdButton3,
    IdButton2,
    IdButton5,
    IdButton4,
    IdButton6,
    IdButton7,
    IdStatusBar1,
    IdLastControl = IdStatusBar1,
};

struct DesignRect {
    int Left, Top, Width, Height;
};

struct ControlSpec {
    ControlId Id;
    const char* Name;
    ControlKind Kind;
    const char* Caption;
    const char* Hint;
    bool HintShown;
    DesignRect Design;
    int TabOrder; // -1: not a tab stop
};

// Every control, in tab order; those outside the tab order come last.
std::span<const ControlSpec> MainControls();

const ControlSpec& MainControl(ControlId id);

// The control that the layout places at `control`.
ControlId PlacedControl(LayoutControl control);
// Where the layout places the control `id`, if it does.
std::optional<LayoutControl> PlacementOf(ControlId id);

// The controls over which the mouse shows no track: moving over them empties the hover panels.
bool ResetsHoverInfo(ControlId id);

// The hint of the Random button, set when the window starts.
inline constexpr const char* RandomButtonHint = "Shuffle tracks.\rSelected tracks will be played first.";

inline constexpr int DesignClientWidth = 575;
inline constexpr int DesignClientHeight = 452;

} // namespace tundeck
