#include "platform/qt/QtSoundPlayer.h"

#include "platform/Wav.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <functional>

namespace platform {

namespace {

constexpr int kRate = 44100;
constexpr int kBytesPerSample = 2; // 16-bit mono
// What the server holds ahead of the speaker: a new sound is heard this much later.
constexpr int kBufferMs = 100;
// Silence after a sound before the stream is suspended: longer than the buffer, so that
// the sound's end has been heard and only silence waits in the server.
constexpr int kIdleMs = 280;
// Tries to open the stream again come no closer than this.
constexpr int kRetryMs = 1000;

// The stream's source: reads never end and never wait. `becameIdle` runs on the reading
// thread when the feed has given enough silence.
class FeedDevice : public QIODevice {
  public:
    FeedDevice(SoundFeed& feed, std::function<void()> becameIdle)
        : feed_(feed), becameIdle_(std::move(becameIdle)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const std::size_t samples = static_cast<std::size_t>(maxSize / kBytesPerSample);
        if (feed_.read(data, samples)) becameIdle_();
        return static_cast<qint64>(samples * kBytesPerSample);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    SoundFeed& feed_;
    std::function<void()> becameIdle_;
};

} // namespace

QtSoundPlayer::QtSoundPlayer() : feed_(static_cast<std::size_t>(kRate) * kIdleMs / 1000) {
    source_ = std::make_unique<FeedDevice>(feed_, [this] {
        // Not from inside the stream's own read: once the event loop is back, and only
        // if no new sound has started meanwhile.
        QMetaObject::invokeMethod(
            source_.get(),
            [this] {
                if (feed_.idle()) sink_->suspend();
            },
            Qt::QueuedConnection);
    });
    retry_.setSingleShot(true);
    QObject::connect(&retry_, &QTimer::timeout, [this] { open(); });
    open();
}

void QtSoundPlayer::open() {
    sinceTry_.start();
    QAudioFormat format;
    format.setSampleRate(kRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format)) return; // no sound server: stay silent
    if (device != device_) {
        // The first output, or another one: a stream of its own. Qt would wait forever for a
        // stream to an output that went; the old one is kept, closed, since its destructor
        // runs the event loop.
        if (sink_) dropped_.push_back(std::move(sink_));
        device_ = device;
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setBufferSize(kRate * kBytesPerSample * kBufferMs / 1000);
    }
    // After a failure Qt has closed the stream already; this opens a new one, or fails at
    // once while the server is away.
    sink_->start(source_.get());
}

QtSoundPlayer::~QtSoundPlayer() {
    if (!sink_) return;
    sink_->stop();
    source_.reset(); // drops a suspension still queued
    sink_.reset();
}

void QtSoundPlayer::play(const Bytes& wav) {
    const auto info = parseWav(wav);
    feed_.start(info ? monoSamples(wav, *info, kRate) : std::vector<std::int16_t>{});
    if (sink_ && sink_->state() != QAudio::StoppedState) {
        sink_->resume(); // nothing happens unless it was suspended
    } else if (!retry_.isActive()) {
        // No stream, or the server dropped it: try again outside this handler, and with
        // no server at most once a second. The sound waits in the feed meanwhile.
        retry_.start(static_cast<int>(std::max<qint64>(0, kRetryMs - sinceTry_.elapsed())));
    }
}

} // namespace platform
