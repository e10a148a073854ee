#include "framework/up_down.h"

#include <gtest/gtest.h>

#include <climits>

namespace tundeck {
namespace {

TEST(UpDownStep, MovesWithinTheRangeAndStaysAtALimitUnlessItWraps) {
    const UpDownRange full{-32768, 32767, false};
    EXPECT_EQ(UpDownStep(0, 1, full), 1);
    EXPECT_EQ(UpDownStep(0, -1, full), -1);
    EXPECT_EQ(UpDownStep(32767, 1, full), std::nullopt);
    EXPECT_EQ(UpDownStep(-32768, -1, full), std::nullopt);
    EXPECT_EQ(UpDownStep(5, 0, full), std::nullopt);

    const UpDownRange wrapping{-32768, 32767, true};
    EXPECT_EQ(UpDownStep(32767, 1, wrapping), -32768);
    EXPECT_EQ(UpDownStep(-32768, -1, wrapping), 32767);
    EXPECT_EQ(UpDownStep(0, 1, UpDownRange{0, 0, true}), std::nullopt); // one position: nowhere to go
    EXPECT_EQ(UpDownStep(INT_MAX, INT_MAX, UpDownRange{INT_MIN, INT_MAX, true}), -2);
}

} // namespace
} // namespace tundeck
