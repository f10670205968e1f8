#include "app/Module1.h"

namespace app {

void Module1::Suona(int n) {
    // The player reads the bytes we keep; they are given up only for the next sound.
    BufferSuono = services.resources.sound(n);
    services.sound.play(BufferSuono);
}

std::string numeroTesto(long n) {
    return (n < 0 ? "" : " ") + std::to_string(n);
}

} // namespace app
