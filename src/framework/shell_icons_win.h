#pragma once
// Small icons of the desktop shell for drives, folders and files.

#include "framework/text.h"

#include <windows.h>

#include <string>

namespace tundeck {

enum class ShellIcon { Drive, ClosedFolder, OpenFolder, File };

// Draws the icon for `name` (a drive root or a file name) at (x, y), 16 x 16.
void DrawShellIcon(HDC dc, ShellIcon kind, const std::string& name, int x, int y);

// Draws one owner-drawn list or combo row: an icon, then the text, indented by `indent` pixels.
void DrawIconRow(const DRAWITEMSTRUCT& item, ShellIcon kind, const std::string& iconName, ShownText text,
                 int indent);

} // namespace tundeck
