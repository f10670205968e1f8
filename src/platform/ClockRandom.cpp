#include "platform/ClockRandom.h"

#include <chrono>

namespace platform {

ClockRandom::ClockRandom()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

int ClockRandom::between(int lo, int hi) {
    if (hi < lo) return lo;
    return std::uniform_int_distribution<int>(lo, hi)(engine_);
}

} // namespace platform
