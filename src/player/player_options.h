#pragma once
// The options the player side reads and changes; part of the program's one option record.

#include <cstdint>
#include <string>

namespace tundeck {

struct PlayerOptions {
    std::string PlayerExecutable;
    bool NumberAfterPlaylist = true;
    bool ClosePlayerAtExit = false;
    bool RestorePlayerAtExit = false;
    std::uint8_t PlayerWindowHandling = 0;
    std::uint8_t DoubleClickAction = 1;
    std::int32_t PlayerAppearance = 0;
    std::int32_t SavedPlayerX = 100;
    std::int32_t SavedPlayerY = 100;
};

} // namespace tundeck
