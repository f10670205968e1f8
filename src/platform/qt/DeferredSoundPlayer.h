#pragma once

#include "platform/Services.h"

#include <memory>

namespace platform {

// The sound player, loaded from its own module when it is first needed: loading the sound
// server's client libraries and connecting cost time the start window should not wait for,
// so the program loads them once the window shows (open()), or at the first sound if that
// comes sooner. A module that cannot be loaded means silence, as no sound server does.
class DeferredSoundPlayer : public SoundPlayer {
  public:
    DeferredSoundPlayer();
    ~DeferredSoundPlayer() override;
    // Loads the player, which opens its stream; once only.
    void open();
    void play(const Bytes& wav) override;

  private:
    bool opened_ = false;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace platform
