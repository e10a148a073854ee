#pragma once
// Strings kept end to end in large blocks. The playlist keeps its paths here: adding one is a
// copy, and letting go of a million at once frees a few hundred blocks, not a million scattered
// allocations.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace tundeck {

class StringArena {
public:
    // A copy of `text` that stays in place until the arena is cleared or destroyed.
    std::string_view Add(std::string_view text);
    // Counts a string added earlier as no longer used; its bytes come back only with Clear.
    void Release(std::string_view text) { released_ += text.size(); }
    std::size_t BytesInUse() const { return added_ - released_; }
    std::size_t BytesReleased() const { return released_; }
    // The memory of its blocks.
    std::size_t BytesHeld() const { return held_; }
    void Clear();

private:
    static constexpr std::size_t BlockSize = 64 * 1024;

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr; // the unused end of the last ordinary block
    std::size_t room_ = 0;
    std::size_t added_ = 0;
    std::size_t released_ = 0;
    std::size_t held_ = 0;
};

} // namespace tundeck
