#include "platform/SoundFeed.h"

#include <algorithm>

namespace platform {

void SoundFeed::start(std::vector<std::int16_t> samples) {
    sound_ = std::move(samples);
    next_ = 0;
    silent_ = 0;
}

bool SoundFeed::read(char* out, std::size_t n) {
    constexpr std::size_t kByte = sizeof(std::int16_t);
    const std::size_t played = std::min(n, sound_.size() - next_);
    std::copy_n(reinterpret_cast<const char*>(sound_.data() + next_), played * kByte, out);
    next_ += played;
    std::fill_n(out + played * kByte, (n - played) * kByte, char{0});
    const bool wasIdle = silent_ >= idleAfter_;
    silent_ += n - played;
    return !wasIdle && silent_ >= idleAfter_;
}

bool SoundFeed::idle() const {
    return silent_ >= idleAfter_;
}

} // namespace platform
