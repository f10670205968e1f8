#include "platform/qt/QtSoundPlayer.h"

#include "platform/Wav.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace platform {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    release();
}

void QtSoundPlayer::release() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
    samples_.clear();
}

void QtSoundPlayer::play(const Bytes& wav) {
    release();
    const auto info = parseWav(wav);
    if (!info) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return; // no sound server: stay silent and carry on

    QAudioFormat format;
    format.setSampleRate(info->sampleRate);
    format.setChannelCount(info->channels);
    format.setSampleFormat(info->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;

    // Silence around the sound. A new stream loses its first few tens of milliseconds
    // once an earlier one has played (the 20 ms click would never be heard), and the
    // tail of every sound waits in the device until more data pushes it out.
    const int bytesPerFrame = info->channels * info->bitsPerSample / 8;
    const char silence = info->bitsPerSample == 8 ? '\x80' : '\0';
    const qsizetype lead = static_cast<qsizetype>(info->sampleRate) * bytesPerFrame / 10; // 100 ms
    const qsizetype trail = static_cast<qsizetype>(info->sampleRate) * bytesPerFrame / 4; // 250 ms
    samples_ = QByteArray(lead, silence);
    samples_.append(reinterpret_cast<const char*>(wav.data() + info->dataOffset),
                    static_cast<qsizetype>(info->dataSize));
    samples_.append(trail, silence);
    buffer_ = std::make_unique<QBuffer>(&samples_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
}

} // namespace platform
