#pragma once

#include "platform/Services.h"
#include "platform/SoundFeed.h"

#include <pulse/pulseaudio.h>

namespace platform {

// Plays every sound through one PulseAudio stream, served by libpulse's own thread. The
// stream is opened silent when the player is made, so that the first sound is not clipped
// while the output wakes up, and pulls from a feed that gives the current sound, then
// silence; a new sound replaces what the feed gives and uncorks the stream, and the server
// holds about 100 ms ahead of the speaker. Once the end of a sound has gone by in silence
// the stream is corked, and an idle program wakes nobody: no timer, no timing updates.
// When the server goes, the failed stream and connection are released on libpulse's thread
// and nothing is heard; a sound asked for then connects again, at once if the last try is
// a second old, else from a timer a second after it. So a sound is heard again about a
// second after the server answers, while with no server at all nothing is tried unless a
// sound is asked for, and nothing is written on the error output. Nothing here waits for
// the server: connecting is asynchronous (only the first try may start a server, where
// libpulse's settings say so), and play() holds libpulse's lock only briefly.
class PulseSoundPlayer : public SoundPlayer {
  public:
    PulseSoundPlayer();
    ~PulseSoundPlayer() override;
    PulseSoundPlayer(const PulseSoundPlayer&) = delete;
    PulseSoundPlayer& operator=(const PulseSoundPlayer&) = delete;
    void play(const Bytes& wav) override;

  private:
    // The rest runs under libpulse's lock.
    // Nothing plays, and nothing is on its way to play.
    bool broken() const;
    // Connects, or opens the stream on a connection that lost it; only when broken().
    void reconnect();
    void openStream();
    void dropStream();
    void dropContext();
    static void contextChanged(pa_context* c, void* self);
    static void streamChanged(pa_stream* s, void* self);
    static void streamWants(pa_stream* s, std::size_t bytes, void* self);
    static void retryDue(pa_mainloop_api* api, pa_time_event* e, const struct timeval* tv, void* self);

    SoundFeed feed_; // under libpulse's lock too
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr; // connected or connecting
    pa_stream* stream_ = nullptr;   // playing or being opened
    pa_usec_t lastTry_ = 0;
    pa_time_event* retry_ = nullptr;
};

} // namespace platform
