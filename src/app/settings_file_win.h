#pragma once
// The settings file on disk.

#include "app/settings.h"

#include <string>

namespace tundeck {

// Applies every line of the file at `path` as it is read; an error stops at its line.
void ReadSettingsFile(const std::string& path, Settings& settings, SettingsTarget& target);

// The whole file, put in place only once it is completely written.
void WriteSettingsFile(const std::string& path, const Settings& settings, const std::string& lastDirectory,
                       const WindowGeometry& geometry);

} // namespace tundeck
