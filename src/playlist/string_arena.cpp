#include "playlist/string_arena.h"

#include <algorithm>

namespace tundeck {

std::string_view StringArena::Add(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    char* at = nullptr;
    if (text.size() <= room_) {
        at = free_;
        free_ += text.size();
        room_ -= text.size();
    } else if (text.size() > BlockSize / 4) {
        // A long string gets a block of its own, so the room left in the last block stays usable.
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(text.size()));
        at = blocks_.back().get();
        held_ += text.size();
    } else {
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(BlockSize));
        at = blocks_.back().get();
        held_ += BlockSize;
        free_ = at + text.size();
        room_ = BlockSize - text.size();
    }
    std::copy(text.begin(), text.end(), at);
    added_ += text.size();
    return {at, text.size()};
}

void StringArena::Clear() {
    *this = StringArena();
}

} // namespace tundeck
