#pragma once
// The lists a drag can start from.

namespace tundeck {

enum class DragSource { Playlist, FileList, DirectoryList };

} // namespace tundeck
