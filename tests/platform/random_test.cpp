#include "platform/ClockRandom.h"

#include <gtest/gtest.h>

namespace {

// The real generator reaches both ends of every operand's range, and nothing beyond.
TEST(ClockRandom, DrawsReachBothBounds) {
    platform::ClockRandom caso;
    for (const auto& [lo, hi] : {std::pair{1, 9}, {10, 99}, {100, 999}, {1000, 9999}}) {
        int min = hi, max = lo;
        for (int i = 0; i < 200000 && (min > lo || max < hi); ++i) {
            const int v = caso.between(lo, hi);
            ASSERT_TRUE(lo <= v && v <= hi) << v;
            min = std::min(min, v);
            max = std::max(max, v);
        }
        EXPECT_EQ(std::pair(min, max), std::pair(lo, hi));
    }
}

} // namespace
