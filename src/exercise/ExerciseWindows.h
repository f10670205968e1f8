#pragma once

#include "app/Module1.h"

namespace exercise {

// Makes the exercise windows and their print layouts known to the registry.
void defineWindows(app::Module1& m);

} // namespace exercise
