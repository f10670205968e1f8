#pragma once

#include "platform/Services.h"
#include "platform/SoundFeed.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <vector>

class QAudioSink;
class QIODevice;

namespace platform {

// Plays every sound through one audio stream, opened silent when the player is made and
// kept until it goes. Debian 12's PulseAudio sink runs the event loop when it is
// destroyed, so a stream closed for each new sound would run other handlers inside the
// one that plays. The stream pulls from a feed that gives the current sound, then
// silence; a new sound replaces what the feed gives. Once the end of a sound has gone by
// in silence the stream is suspended, so that an idle program wakes nobody, and the next
// sound resumes it. With no sound server there is no stream, and nothing is heard. When
// the server goes, Qt closes the stream; a sound asked for then opens it again, from the
// event loop and at most once a second, which works once Qt is connected to the server
// again (Debian 12's Qt tries that once, 3 s after it lost the server).
class QtSoundPlayer : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const Bytes& wav) override;

  private:
    // Opens the stream on the default output, or opens it again.
    void open();

    SoundFeed feed_;
    std::unique_ptr<QIODevice> source_;
    QAudioDevice device_;
    std::unique_ptr<QAudioSink> sink_;
    std::vector<std::unique_ptr<QAudioSink>> dropped_;
    QTimer retry_;
    QElapsedTimer sinceTry_;
};

} // namespace platform
