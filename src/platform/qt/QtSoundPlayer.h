#pragma once

#include "platform/Services.h"
#include "platform/SoundFeed.h"

#include <memory>

class QAudioSink;
class QIODevice;

namespace platform {

// Plays every sound through one audio stream, opened silent when the player is made and
// kept until it goes. Debian 12's PulseAudio sink runs the event loop when it is
// destroyed, so a stream closed for each new sound would run other handlers inside the
// one that plays. The stream pulls from a feed that gives the current sound, then
// silence; a new sound replaces what the feed gives. Once the end of a sound has gone by
// in silence the stream is suspended, so that an idle program wakes nobody, and the next
// sound resumes it. With no sound server there is no stream, and nothing is heard; a
// stream the server drops is not opened again, and stays silent.
class QtSoundPlayer : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const Bytes& wav) override;

  private:
    SoundFeed feed_;
    std::unique_ptr<QIODevice> source_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace platform
