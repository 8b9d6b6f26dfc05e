#include "audio/player/HeardHistory.h"

#include <algorithm>
#include <cstring>

namespace sonara::audio {

void HeardHistory::reset(int sampleRate, int channels) {
    std::lock_guard lock(mutex_);
    channels_ = std::clamp(channels, 1, 2);
    sampleRate_ = sampleRate;
    capacity_ = size_t(std::max(1.0, seconds_ * std::max(sampleRate, 1)));
    ring_.assign(capacity_ * size_t(channels_), 0);
    written_ = 0;
}

void HeardHistory::append(const int16_t* samples, size_t frames) {
    std::lock_guard lock(mutex_);
    if (capacity_ == 0) {
        return;
    }
    // Only the newest capacity_ frames can be kept.
    if (frames > capacity_) {
        samples += (frames - capacity_) * size_t(channels_);
        written_ += int64_t(frames - capacity_);
        frames = capacity_;
    }
    while (frames > 0) {
        const size_t at = size_t(written_ % int64_t(capacity_));
        const size_t n = std::min(frames, capacity_ - at);
        std::memcpy(ring_.data() + at * size_t(channels_), samples,
                    n * size_t(channels_) * sizeof(int16_t));
        samples += n * size_t(channels_);
        frames -= n;
        written_ += int64_t(n);
    }
}

size_t HeardHistory::copyEndingAt(int64_t heardEnd, int16_t* out, size_t frames, int& channels,
                                  int& sampleRate) const {
    std::lock_guard lock(mutex_);
    channels = channels_;
    sampleRate = sampleRate_;
    if (capacity_ == 0) {
        return 0;
    }
    const int64_t end = std::min(heardEnd, written_);
    const int64_t oldestKept = std::max<int64_t>(0, written_ - int64_t(capacity_));
    const int64_t begin = std::max(oldestKept, end - int64_t(frames));
    if (end <= begin) {
        return 0;
    }
    size_t copied = 0;
    for (int64_t frame = begin; frame < end;) {
        const size_t at = size_t(frame % int64_t(capacity_));
        const size_t n = std::min(size_t(end - frame), capacity_ - at);
        std::memcpy(out + copied * size_t(channels_), ring_.data() + at * size_t(channels_),
                    n * size_t(channels_) * sizeof(int16_t));
        copied += n;
        frame += int64_t(n);
    }
    return copied;
}

}  // namespace sonara::audio
