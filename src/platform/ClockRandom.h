#pragma once

#include "platform/Services.h"

#include <random>

namespace platform {

// One generator, seeded once from the clock when the program starts.
class ClockRandom : public Random {
  public:
    ClockRandom();
    int between(int lo, int hi) override;

  private:
    std::mt19937 engine_;
};

} // namespace platform
