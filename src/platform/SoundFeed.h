#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// What the program's one audio stream plays: the current sound's samples, then silence
// for as long as it is read. The stream may pull from it on a thread of its own: its player
// reads it and starts a new sound under one lock.
class SoundFeed {
  public:
    // After this many samples of silence the stream has nothing left to play.
    explicit SoundFeed(std::size_t idleAfter) : idleAfter_(idleAfter) {}

    // Replaces whatever is playing; the new sound starts with the next read.
    void start(std::vector<std::int16_t> samples);
    // Fills a byte buffer of 2n bytes, as the stream reads, with the next n samples in the
    // machine's byte order, whatever the buffer's alignment. True for the read that completes
    // the silence after which the stream is idle (once a sound).
    bool read(char* out, std::size_t n);
    // The last sound is over, its end long gone by in silence.
    bool idle() const;

  private:
    std::vector<std::int16_t> sound_;
    std::size_t next_ = 0;
    std::size_t silent_ = 0; // samples of silence given since the sound ended
    std::size_t idleAfter_;
};

} // namespace platform
