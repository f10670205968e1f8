#include "app/Module1.h"

namespace app {

void Module1::Suona(int n) {
    // The bytes of the sound last asked for stay here; the player takes its own copy.
    BufferSuono = services.resources.sound(n);
    services.sound.play(BufferSuono);
}

std::string numeroTesto(long n) {
    return (n < 0 ? "" : " ") + std::to_string(n);
}

} // namespace app
