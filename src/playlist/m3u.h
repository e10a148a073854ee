#pragma once
// The playlist file format: one path per line, CR LF after every line, no header.

#include <string>
#include <string_view>
#include <vector>

namespace tundeck {

class Playlist;

// The non-empty lines of a file's bytes: any run of CR and LF ends a line, the first Ctrl-Z
// ends the file, and the last line counts without a line end.
std::vector<std::string_view> SplitPlaylistLines(std::string_view text);

// Of the bytes read before a read failed, those of the lines that ended before it.
std::string_view CompleteLines(std::string_view text);
// Whether the text holds the Ctrl-Z that ends a playlist file.
bool HoldsEndOfFile(std::string_view text);

// Only lines with the extension ".mp3", in any case, are taken from a file.
bool IsPlaylistTrackLine(std::string_view line);

// The file text for `paths` in order; empty for no paths.
std::string FormatPlaylistFile(const std::vector<std::string>& paths);

// Inserts the accepted lines of a file's bytes from `position` on (-1 appends), in file order,
// each selected when `select` is set. Returns how many were inserted.
int AddPlaylistFileText(Playlist& playlist, std::string_view text, int position, bool select);

} // namespace tundeck
