#include "playlist/adding_win.h"

#include "framework/directory_search_win.h"
#include "framework/file_io_win.h"
#include "framework/text.h"
#include "framework/wide_names_win.h"
#include "playlist/playlist_files_win.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tundeck {

namespace {

bool IsTrack(std::string_view path) {
    return PathExtension(path) == ".mp3";
}

bool IsAddableFile(DWORD attributes) {
    constexpr DWORD VolumeLabel = 0x8;
    constexpr DWORD Unwanted =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | VolumeLabel | FILE_ATTRIBUTE_DIRECTORY;
    return (attributes & Unwanted) == 0;
}

// A directory with any other attribute (read-only, archive, hidden, ...) is passed over.
bool IsPlainDirectory(DWORD attributes) {
    return attributes == FILE_ATTRIBUTE_DIRECTORY;
}

// Collects the tracks of one directory tree in the order of adding.
class TrackCollector {
public:
    TrackCollector(bool recurse, bool atRow, AddProgress* progress)
        : recurse_(recurse), atRow_(atRow), progress_(progress) {}

    // Added one by one at a fixed row, each later subdirectory's tree lands in front of the
    // earlier ones; appended, they follow each other in search order. Returns, in the order
    // adding one by one adds them, each directory's tracks as the row of its first one (counted
    // from the row added at, `at` for this directory's) and how many there are.
    std::vector<std::pair<int, int>> Collect(const std::string& directory, int at = 0) {
        // With subdirectories wanted one search serves both: the tracks among all entries come
        // in the order a search for "*.mp3" alone gives them.
        std::vector<std::string> subdirectories;
        const std::size_t before = paths_.size();
        for (const FoundEntry& entry : SearchDirectory(directory + (recurse_ ? "*.*" : "*.mp3"))) {
            const bool track =
                IsAddableFile(entry.Attributes) && IsTrack(entry.Real.empty() ? entry.Name : entry.Real);
            const bool subdirectory = !track && recurse_ && IsPlainDirectory(entry.Attributes);
            if ((track || subdirectory) && entry.Name.empty()) {
                NoteUnreachable(entry.Real); // no short name to reach it by
            } else if (track) {
                Found(directory + entry.Name);
            } else if (subdirectory) {
                subdirectories.push_back(directory + entry.Name + "\\");
            }
        }
        const int own = static_cast<int>(paths_.size() - before);
        if (atRow_) {
            std::reverse(subdirectories.begin(), subdirectories.end());
        }
        std::vector<std::vector<std::pair<int, int>>> trees;
        for (const std::string& subdirectory : subdirectories) {
            trees.push_back(Collect(subdirectory, at + own)); // each at the row after the own tracks
        }
        if (atRow_) {
            std::reverse(trees.begin(), trees.end()); // back to the order they were added in
        }
        std::vector<std::pair<int, int>> batches{{at, own}};
        for (const auto& tree : trees) {
            batches.insert(batches.end(), tree.begin(), tree.end());
        }
        return batches;
    }
    void Found(std::string path) {
        paths_.push_back(std::move(path));
        if (progress_ != nullptr) {
            progress_->TracksFound(paths_.size());
        }
    }
    void InsertInto(Playlist& playlist, int position, bool select) const {
        std::vector<std::string_view> views(paths_.begin(), paths_.end());
        playlist.AddTracks(views, position, select);
    }

private:
    bool recurse_;
    bool atRow_;
    AddProgress* progress_;
    std::vector<std::string> paths_;
};

} // namespace

void AddFileByType(Playlist& playlist, const std::string& path, int position, bool expandPlaylists,
                   bool select) {
    const std::string extension = PathExtension(path);
    if (extension == ".mp3") {
        playlist.AddTrack(path, position, select);
    } else if (extension == ".m3u" && expandPlaylists) {
        ReadPlaylistFile(playlist, path, position, select);
    }
}

void AddFiles(Playlist& playlist, const std::string& directory, const std::vector<UsableName>& files,
              bool select, AddProgress* progress) {
    TrackCollector tracks(false, false, progress);
    for (const UsableName& file : files) {
        if (!IsTrack(file.Real.empty() ? file.Name : file.Real)) {
            continue;
        }
        if (file.Name.empty()) {
            NoteUnreachable(file.Real);
        } else {
            tracks.Found(directory + file.Name);
        }
    }
    tracks.InsertInto(playlist, -1, select);
}

void AddDirectory(Playlist& playlist, const std::string& directory, bool recurse, int position,
                  AddProgress* progress) {
    TrackCollector tracks(recurse, position != -1, progress);
    const std::vector<std::pair<int, int>> batches = tracks.Collect(directory);
    const int top = playlist.TopRow();
    tracks.InsertInto(playlist, position, true);
    if (position != -1) {
        // The focus and the view where adding one by one leaves them: each track selected and
        // scrolled into view in turn, a directory's tracks one after the other.
        std::vector<int> flagged;
        for (const auto& [at, count] : batches) {
            if (count > 0) {
                flagged.insert(flagged.end(), {position + at, position + at + count - 1});
            }
        }
        playlist.FollowFlags(flagged, top);
    }
}

void AddDroppedFiles(Playlist& playlist, const std::vector<std::string>& paths, int position, bool recurse,
                     AddProgress* progress) {
    std::vector<std::string> directories;
    std::vector<std::string_view> tracks; // consecutive tracks go in as one batch
    const auto insertTracks = [&] {
        playlist.AddTracks(tracks, position, true);
        position = position == -1 ? -1 : position + static_cast<int>(tracks.size());
        tracks.clear();
    };
    for (const std::string& path : paths) {
        if (DirectoryExists(path)) {
            directories.push_back(WithTrailingBackslash(path));
        } else if (IsTrack(path)) {
            tracks.push_back(path);
        } else {
            insertTracks();
            const int before = playlist.Count();
            AddFileByType(playlist, path, position, true, true);
            position = position == -1 ? -1 : position + playlist.Count() - before;
        }
    }
    insertTracks();
    for (const std::string& directory : directories) {
        AddDirectory(playlist, directory, recurse, position, progress);
    }
}

} // namespace tundeck
