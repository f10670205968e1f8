#pragma once

#include "platform/Services.h"

namespace platform {

// The sounds compiled into the program (":/sounds/101.wav" ...).
class QtResources : public Resources {
  public:
    Bytes sound(int n) const override;
};

} // namespace platform
