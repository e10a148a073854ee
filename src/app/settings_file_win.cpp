#include "app/settings_file_win.h"

#include "framework/file_io_win.h"

namespace tundeck {

void ReadSettingsFile(const std::string& path, Settings& settings, SettingsTarget& target) {
    const std::string text = ReadFileBytes(path);
    for (std::string_view line : SplitSettingsLines(text)) {
        ApplySettingsLine(line, settings, target);
    }
}

void WriteSettingsFile(const std::string& path, const Settings& settings, const std::string& lastDirectory,
                       const WindowGeometry& geometry) {
    ReplaceFileBytes(path, FormatSettingsFile(settings, lastDirectory, geometry));
}

} // namespace tundeck
