// The sound player as a module of its own, loaded by DeferredSoundPlayer.
#include "platform/qt/SoundModule.h"

#include "platform/pulse/PulseSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT platform::SoundPlayer* brivatenzo_sound_player() {
    return new platform::PulseSoundPlayer;
}

// The loader calls it through this type.
[[maybe_unused]] static constexpr platform::SoundModuleEntry kChecked = &brivatenzo_sound_player;
