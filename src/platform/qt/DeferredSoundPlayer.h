#pragma once

#include "platform/Services.h"

#include <QString>
#include <memory>

namespace platform {

// The sound player, loaded from its own module when it is first needed: loading the sound
// server's client libraries and connecting cost time the start window should not wait for,
// so the program loads them once the window shows (open()), or at the first sound if that
// comes sooner. A module missing or that cannot be loaded means silence, said once on the
// error output.
class DeferredSoundPlayer : public SoundPlayer {
  public:
    // The module at that path; by default the one beside the program.
    explicit DeferredSoundPlayer(QString module = {});
    ~DeferredSoundPlayer() override;
    // Loads the player, which opens its stream; once only.
    void open();
    void play(const Bytes& wav) override;

  private:
    QString module_;
    bool opened_ = false;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace platform
