#include "exercise/ExerciseWindows.h"

namespace exercise {

void defineWindows(app::Module1&) {}

} // namespace exercise
