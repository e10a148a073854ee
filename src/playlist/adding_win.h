#pragma once
// Adding tracks from the file system: files by their extension, and whole directories.

#include "framework/wide_names_win.h"
#include "playlist/playlist.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tundeck {

// Told how many tracks an add has found so far, so that a long one can show how far it got.
class AddProgress {
public:
    virtual ~AddProgress() = default;
    virtual void TracksFound(std::size_t count) = 0;
};

// By the extension of `path`: ".mp3" is inserted at `position` (-1 appends), ".m3u" is read
// into the playlist there when `expandPlaylists` is set; anything else adds nothing.
void AddFileByType(Playlist& playlist, const std::string& path, int position, bool expandPlaylists,
                   bool select);

// The files of `directory`, each as AddFileByType appends it without expanding playlists, in
// one batch; a track by a real name is taken by its short name, and one without a short name is
// noted as out of reach.
void AddFiles(Playlist& playlist, const std::string& directory, const std::vector<UsableName>& files,
              bool select, AddProgress* progress);

// The ".mp3" files of `directory` (which ends in "\"), and with `recurse` those of its
// subdirectories at any depth, inserted selected at `position` (-1 appends) in one batch, in
// the order that adding them one by one at that position would give. A directory that is
// missing or cannot be searched adds nothing.
void AddDirectory(Playlist& playlist, const std::string& directory, bool recurse, int position,
                  AddProgress* progress);

// Files and directories dropped from the shell at `position` (-1 appends): first the files in
// the shell's order, each as AddFileByType inserts it expanded and selected, the position
// advancing past what each inserted; then each directory as AddDirectory adds it, all at the
// position reached.
void AddDroppedFiles(Playlist& playlist, const std::vector<std::string>& paths, int position, bool recurse,
                     AddProgress* progress);

} // namespace tundeck
