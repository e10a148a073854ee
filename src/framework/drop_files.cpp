#include "framework/drop_files.h"

#include <cstddef>

namespace tundeck {

namespace {

constexpr std::size_t HeaderSize = 20; // offset, point, non-client flag, wide flag

std::uint32_t Dword(std::span<const std::uint8_t> block, std::size_t at) {
    return static_cast<std::uint32_t>(block[at]) | static_cast<std::uint32_t>(block[at + 1]) << 8 |
           static_cast<std::uint32_t>(block[at + 2]) << 16 | static_cast<std::uint32_t>(block[at + 3]) << 24;
}

// Zero-ended names of `Unit`s read by `unitAt`, up to the empty name or the end of the units.
template <typename Name, typename UnitAt>
std::vector<Name> ReadNames(std::size_t units, const UnitAt& unitAt) {
    std::vector<Name> names;
    Name name;
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit = unitAt(i);
        if (unit != 0) {
            name.push_back(unit);
        } else if (name.empty()) {
            return names;
        } else {
            names.push_back(std::move(name));
            name.clear();
        }
    }
    if (!name.empty()) {
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace

DroppedFiles ReadDroppedFiles(std::span<const std::uint8_t> block) {
    DroppedFiles dropped;
    if (block.size() < HeaderSize) {
        return dropped;
    }
    dropped.X = static_cast<std::int32_t>(Dword(block, 4));
    dropped.Y = static_cast<std::int32_t>(Dword(block, 8));
    const std::uint32_t offset = Dword(block, 0);
    if (offset >= block.size()) {
        return dropped;
    }
    const std::span<const std::uint8_t> list = block.subspan(offset);
    if (Dword(block, 16) != 0) {
        dropped.WideNames = ReadNames<std::u16string>(list.size() / 2, [&](std::size_t i) {
            return static_cast<char16_t>(list[2 * i] | list[2 * i + 1] << 8);
        });
    } else {
        dropped.Names =
            ReadNames<std::string>(list.size(), [&](std::size_t i) { return static_cast<char>(list[i]); });
    }
    return dropped;
}

} // namespace tundeck
