#pragma once

#include "platform/Services.h"

#include <QBuffer>
#include <QByteArray>
#include <memory>

class QAudioSink;

namespace platform {

// Plays a WAVE file from memory through one QAudioSink. The sink and the bytes it
// reads are kept until the next sound replaces them: stopping the sink when it
// reports idle would cut off the end of the sound still in the device.
class QtSoundPlayer : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const Bytes& wav) override;

  private:
    void release();

    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray samples_;
};

} // namespace platform
