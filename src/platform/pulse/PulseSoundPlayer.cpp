#include "platform/pulse/PulseSoundPlayer.h"

#include "platform/Wav.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kRate = 44100;
constexpr std::uint32_t kBytesPerMs = kRate * 2 / 1000; // 16-bit mono
// What the server holds ahead of the speaker, all told: a new sound is heard this much later.
constexpr std::uint32_t kLatencyMs = 100;
// How much the server asks for at a time, and how much it waits for before it plays again after
// running dry: small, so that a sound is never held back.
constexpr std::uint32_t kRequestMs = 20;
// Silence after a sound before the stream is corked: longer than the latency, so that the
// sound's end has been heard and only silence waits in the server.
constexpr std::size_t kIdleMs = 280;
// Tries to reach the server come no closer than this.
constexpr pa_usec_t kRetryUs = PA_USEC_PER_SEC;

// Sends a request whose answer nobody waits for.
void send(pa_operation* op) {
    if (op != nullptr) pa_operation_unref(op);
}

// A guard of libpulse's lock.
class Locked {
  public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

} // namespace

PulseSoundPlayer::PulseSoundPlayer() : feed_(kRate * kIdleMs / 1000) {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) return;
    pa_threaded_mainloop_set_name(loop_, "suoni");
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        return;
    }
    const Locked lock(loop_);
    reconnect();
}

PulseSoundPlayer::~PulseSoundPlayer() {
    if (loop_ == nullptr) return;
    // The thread ends first: nothing of the player runs any more, and nothing waits for the
    // server, which may be gone.
    pa_threaded_mainloop_stop(loop_);
    dropContext();
    pa_threaded_mainloop_free(loop_); // and the retry's timer with it
}

void PulseSoundPlayer::play(const Bytes& wav) {
    const auto info = parseWav(wav);
    auto samples = info ? monoSamples(wav, *info, kRate) : std::vector<std::int16_t>{};
    if (loop_ == nullptr) return;
    const Locked lock(loop_);
    feed_.start(std::move(samples));
    if (stream_ != nullptr && pa_stream_get_state(stream_) == PA_STREAM_READY) {
        if (pa_stream_is_corked(stream_) > 0) send(pa_stream_cork(stream_, 0, nullptr, nullptr));
    } else if (broken() && retry_ == nullptr) {
        // The sound waits in the feed for a stream that plays it.
        const pa_usec_t since = pa_rtclock_now() - lastTry_;
        if (since >= kRetryUs) {
            reconnect();
        } else {
            timeval when;
            pa_timeval_add(pa_gettimeofday(&when), kRetryUs - since);
            pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
            retry_ = api->time_new(api, &when, retryDue, this);
        }
    }
}

bool PulseSoundPlayer::broken() const {
    return context_ == nullptr || (pa_context_get_state(context_) == PA_CONTEXT_READY && stream_ == nullptr);
}

void PulseSoundPlayer::reconnect() {
    // The first connection may start a server, where libpulse's settings say so; a later one never
    // does: starting one waits for it, and it is for the desktop to bring its server back.
    const pa_context_flags_t flags = lastTry_ == 0 ? PA_CONTEXT_NOFLAGS : PA_CONTEXT_NOAUTOSPAWN;
    lastTry_ = pa_rtclock_now();
    if (context_ != nullptr) { // broken: connected, but its stream is gone
        openStream();
        return;
    }
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Le 4 brivatenzo");
    if (context_ == nullptr) return;
    pa_context_set_state_callback(context_, contextChanged, this);
    // Answers come on libpulse's thread; a failure may come at once, and drop the context.
    if (pa_context_connect(context_, nullptr, flags, nullptr) < 0) dropContext();
}

void PulseSoundPlayer::openStream() {
    const pa_sample_spec spec = {PA_SAMPLE_S16NE, kRate, 1};
    stream_ = pa_stream_new(context_, "Suoni", &spec, nullptr);
    if (stream_ == nullptr) return;
    pa_stream_set_state_callback(stream_, streamChanged, this);
    pa_stream_set_write_callback(stream_, streamWants, this);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = kLatencyMs * kBytesPerMs;
    buffer.prebuf = kRequestMs * kBytesPerMs;
    buffer.minreq = kRequestMs * kBytesPerMs;
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    // Not corked: it plays the feed's silence, or the sound that is waiting.
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        dropStream();
}

void PulseSoundPlayer::dropStream() {
    if (stream_ == nullptr) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    // libpulse holds the stream for as long as its own calls need it.
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseSoundPlayer::dropContext() {
    if (context_ == nullptr) return;
    dropStream();
    pa_context_set_state_callback(context_, nullptr, nullptr);
    // Closes a connection that is still up (the player goes); one that failed or ended is left
    // as it is.
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseSoundPlayer::contextChanged(pa_context* c, void* self) {
    auto& player = *static_cast<PulseSoundPlayer*>(self);
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY:
        player.openStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        player.dropContext();
        break;
    default:
        break;
    }
}

void PulseSoundPlayer::streamChanged(pa_stream* s, void* self) {
    const pa_stream_state_t state = pa_stream_get_state(s);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
        static_cast<PulseSoundPlayer*>(self)->dropStream();
}

void PulseSoundPlayer::streamWants(pa_stream* s, std::size_t bytes, void* self) {
    auto& player = *static_cast<PulseSoundPlayer*>(self);
    bool idle = false;
    while (bytes >= 2) {
        void* data = nullptr;
        std::size_t n = bytes;
        if (pa_stream_begin_write(s, &data, &n) < 0 || data == nullptr) return;
        n -= n % 2;
        if (n == 0) {
            pa_stream_cancel_write(s);
            break;
        }
        idle = player.feed_.read(static_cast<char*>(data), n / 2) || idle;
        pa_stream_write(s, data, n, nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= std::min(bytes, n);
    }
    // The silence after the sound is complete; a new sound would have started the feed again
    // under the same lock.
    if (idle) send(pa_stream_cork(s, 1, nullptr, nullptr));
}

void PulseSoundPlayer::retryDue(pa_mainloop_api* api, pa_time_event* e, const struct timeval*, void* self) {
    auto& player = *static_cast<PulseSoundPlayer*>(self);
    api->time_free(e);
    player.retry_ = nullptr;
    if (player.broken()) player.reconnect();
}

} // namespace platform
