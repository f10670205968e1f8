#pragma once

#include "app/Module1.h"

namespace app {

// Makes every window of the program known to the registry by its name.
void defineWindows(Module1& m);

} // namespace app
