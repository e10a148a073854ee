#pragma once
// The option record, and the text of the settings file that carries it between runs.

#include "player/player_options.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tundeck {

// The player's options are the player side's own; the rest is read where it is used.
struct Settings : PlayerOptions {
    bool ShowFullPath = false;
    bool AutoPlayAfterRandom = true;
    bool AutoPlayArguments = true;
    bool RememberPlaylist = true;
    bool DragMovesTracks = false;
    bool FileDragStartsDrag = true;
    bool RecurseDroppedDirectories = true;
    double HorizontalFactor = 0.4556;
    double VerticalFactor = 0.33;
};

// What the file carries besides the record: it lives in the windows themselves.
struct WindowGeometry {
    std::int32_t Left = 10;
    std::int32_t Top = 10;
    std::int32_t ClientWidth = 575;
    std::int32_t ClientHeight = 452;
};

// Receives the lines that act on the windows, at the moment each line is read.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;
    // Makes `directory` the browsed one; false (and nothing changed) if that fails.
    virtual bool SetBrowserDirectory(const std::string& directory) = 0;
    virtual void SetWindowLeft(std::int32_t left) = 0;
    virtual void SetWindowTop(std::int32_t top) = 0;
    virtual void SetClientWidth(std::int32_t width) = 0;
    virtual void SetClientHeight(std::int32_t height) = 0;
};

// Lines of the file as the reader sees them: a CR ends a line and one LF after it is skipped.
std::vector<std::string_view> SplitSettingsLines(std::string_view text);

// Applies one line by its key; lines with no known key are skipped. A malformed integer
// raises "'<value>' is not a valid integer value".
void ApplySettingsLine(std::string_view line, Settings& settings, SettingsTarget& target);

// The whole file: 23 key lines, an empty line and the warning, each ending in CR LF.
std::string FormatSettingsFile(const Settings& settings, const std::string& lastDirectory,
                               const WindowGeometry& geometry);

} // namespace tundeck

namespace tundeck {

// The settings file lives beside the executable, never in the current directory.
inline std::string SettingsPath(const std::string& programDirectory) {
    return programDirectory + "tundeck.ini";
}

} // namespace tundeck
