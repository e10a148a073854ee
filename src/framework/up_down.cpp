#include "framework/up_down.h"

#include <cstdint>

namespace tundeck {

std::optional<int> UpDownStep(int position, int delta, const UpDownRange& range) {
    const std::int64_t span = static_cast<std::int64_t>(range.High) - range.Low + 1;
    std::int64_t next = static_cast<std::int64_t>(position) + delta;
    if (span <= 0 || delta == 0) {
        return std::nullopt;
    }
    if (next < range.Low || next > range.High) {
        if (!range.Wraps) {
            return std::nullopt;
        }
        next = range.Low + ((next - range.Low) % span + span) % span;
    }
    return next == position ? std::nullopt : std::optional<int>(static_cast<int>(next));
}

} // namespace tundeck
