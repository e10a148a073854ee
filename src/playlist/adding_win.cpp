#include "playlist/adding_win.h"

#include "framework/directory_search_win.h"
#include "framework/file_io_win.h"
#include "framework/text.h"
#include "playlist/playlist_files_win.h"

#include <algorithm>
#include <string_view>

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
    // earlier ones; appended, they follow each other in search order. Returns which of the
    // collected paths adding one by one would insert last, npos for none.
    std::size_t Collect(const std::string& directory) {
        // With subdirectories wanted one search serves both: the tracks among all entries come
        // in the order a search for "*.mp3" alone gives them.
        std::vector<std::string> subdirectories;
        std::size_t last = std::string::npos;
        for (const FoundEntry& entry : SearchDirectory(directory + (recurse_ ? "*.*" : "*.mp3"))) {
            if (IsAddableFile(entry.Attributes) && IsTrack(entry.Name)) {
                last = paths_.size();
                Found(directory + entry.Name);
            } else if (recurse_ && IsPlainDirectory(entry.Attributes)) {
                subdirectories.push_back(directory + entry.Name + "\\");
            }
        }
        if (atRow_) {
            std::reverse(subdirectories.begin(), subdirectories.end());
        }
        bool subtreeLast = false; // at a row, the first collected tree was added last
        for (const std::string& subdirectory : subdirectories) {
            const std::size_t inTree = Collect(subdirectory);
            if (inTree != std::string::npos && !(atRow_ && subtreeLast)) {
                last = inTree;
                subtreeLast = true;
            }
        }
        return last;
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

void AddFiles(Playlist& playlist, const std::string& directory, const std::vector<std::string>& names,
              bool select, AddProgress* progress) {
    TrackCollector tracks(false, false, progress);
    for (const std::string& name : names) {
        if (IsTrack(name)) {
            tracks.Found(directory + name);
        }
    }
    tracks.InsertInto(playlist, -1, select);
}

void AddDirectory(Playlist& playlist, const std::string& directory, bool recurse, int position,
                  AddProgress* progress) {
    TrackCollector tracks(recurse, position != -1, progress);
    const std::size_t last = tracks.Collect(directory);
    tracks.InsertInto(playlist, position, true);
    if (position != -1 && last != std::string::npos) {
        // The focus on the row that adding one by one would have selected last.
        playlist.SetSelected(position + static_cast<int>(last), true);
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
