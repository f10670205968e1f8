#pragma once

#include "platform/Services.h"

namespace platform {

// What the sound module exports: a new player, its stream open; the caller owns it.
using SoundModuleEntry = SoundPlayer* (*)();
inline constexpr char kSoundModuleEntry[] = "brivatenzo_sound_player";

} // namespace platform
