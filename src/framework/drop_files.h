#pragma once
// The file list of a drop from the shell, read from the block the drop handle holds (a
// DROPFILES header, then the names, each ended by a zero, the list by an empty name). Read here
// in one pass: asking the shell for name i walks the list from its start every time.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tundeck {

struct DroppedFiles {
    // The drop point, in the client coordinates of the window dropped on.
    std::int32_t X = 0;
    std::int32_t Y = 0;
    // The names in the order of the list: single-byte (code page) names, or UTF-16 ones when the
    // header says so.
    std::vector<std::string> Names;
    std::vector<std::u16string> WideNames;
};

// Any bytes: a block shorter than its header, or a list offset past its end, gives no names; a
// list that runs to the end of the block without its final zeros ends there.
DroppedFiles ReadDroppedFiles(std::span<const std::uint8_t> block);

} // namespace tundeck
