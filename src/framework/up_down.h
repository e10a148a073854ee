#pragma once
// The position arithmetic of an up-down control, which reports a click before it moves.

#include <optional>

namespace tundeck {

struct UpDownRange {
    int Low = 0;
    int High = 0;
    bool Wraps = false;
};

// The position a click with `delta` leads to, or nothing when it stays (at a limit that does
// not wrap, or a zero step).
std::optional<int> UpDownStep(int position, int delta, const UpDownRange& range);

} // namespace tundeck
