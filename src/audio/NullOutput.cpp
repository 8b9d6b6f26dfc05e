#include "audio/NullOutput.h"

#include <algorithm>

namespace sonara::audio {

Status NullOutput::open(int sampleRate, int channels, size_t bufferBytes) {
    if (sampleRate <= 0 || channels < 1 || channels > 32) {
        return Status::failure(ErrorKind::Device, "WaveOutOpen: unsupported format (" +
                                                      std::to_string(sampleRate) + " Hz, " +
                                                      std::to_string(channels) + " channels)");
    }
    std::lock_guard lock(mutex_);
    open_ = true;
    sampleRate_ = sampleRate;
    const auto frames = int64_t(bufferBytes / (size_t(channels) * sizeof(int16_t)));
    capacity_ = std::clamp(frames, int64_t(sampleRate / 20), int64_t(sampleRate / 2));
    capacity_ = std::max<int64_t>(capacity_, 1);
    written_ = 0;
    heardBase_ = 0;
    clockStart_ = Clock::now();
    paused_ = false;
    ++flushes_;
    changed_.notify_all();
    return Status::success();
}

int64_t NullOutput::heardAt(Clock::time_point now) const {
    if (pace_ == Pace::Unpaced) {
        return written_;
    }
    if (!open_ || paused_) {
        return std::min(heardBase_, written_);
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(now - clockStart_);
    const int64_t played = elapsed.count() * sampleRate_ / 1'000'000'000;
    return std::min(heardBase_ + std::max<int64_t>(played, 0), written_);
}

NullOutput::Clock::time_point NullOutput::timeHeard(int64_t frames) const {
    const int64_t ahead = std::max<int64_t>(frames - heardBase_, 0);
    // Rounded up, so that a wake-up at this time finds the frames heard.
    const int64_t nanoseconds = (ahead * 1'000'000'000 + sampleRate_ - 1) / sampleRate_;
    return clockStart_ + std::chrono::nanoseconds(nanoseconds);
}

void NullOutput::restartClock(Clock::time_point now) {
    // Folds the time played into the base; time spent with nothing to play
    // (an underrun) is dropped, as a sound card would.
    heardBase_ = heardAt(now);
    clockStart_ = now;
}

bool NullOutput::write(const int16_t*, size_t frames) {
    std::unique_lock lock(mutex_);
    if (!open_) {
        return false;
    }
    if (pace_ == Pace::Unpaced) {
        written_ += int64_t(frames);
        return true;
    }
    const uint64_t flushes = flushes_;
    auto left = int64_t(frames);
    while (left > 0) {
        if (!open_) {
            return false;
        }
        if (flushes_ != flushes) {
            return true;  // the rest was flushed away
        }
        if (paused_) {
            changed_.wait(lock);
            continue;
        }
        const auto now = Clock::now();
        restartClock(now);
        const int64_t room = capacity_ - (written_ - heardBase_);
        if (room > 0) {
            const int64_t taken = std::min(room, left);
            written_ += taken;
            left -= taken;
            continue;
        }
        // Wake when a useful amount has room, not for every frame.
        const int64_t wanted = std::min(left, std::max<int64_t>(capacity_ / 4, 1));
        changed_.wait_until(lock, timeHeard(written_ - capacity_ + wanted));
    }
    return true;
}

int64_t NullOutput::framesHeard() const {
    std::lock_guard lock(mutex_);
    return heardAt(Clock::now());
}

void NullOutput::pause(bool paused) {
    std::lock_guard lock(mutex_);
    if (!open_ || paused_ == paused) {
        return;
    }
    const auto now = Clock::now();
    if (paused) {
        restartClock(now);
    } else {
        clockStart_ = now;
    }
    paused_ = paused;
    changed_.notify_all();
}

void NullOutput::flush() {
    std::lock_guard lock(mutex_);
    written_ = 0;
    heardBase_ = 0;
    clockStart_ = Clock::now();
    ++flushes_;
    changed_.notify_all();
}

void NullOutput::drain() {
    std::unique_lock lock(mutex_);
    const uint64_t flushes = flushes_;
    while (open_ && flushes_ == flushes) {
        if (heardAt(Clock::now()) >= written_) {
            return;
        }
        if (paused_) {
            changed_.wait(lock);
        } else {
            changed_.wait_until(lock, timeHeard(written_));
        }
    }
}

void NullOutput::close() {
    std::lock_guard lock(mutex_);
    if (open_) {
        restartClock(Clock::now());
        open_ = false;
        changed_.notify_all();
    }
}

void NullOutput::setVolume(int, int) {}

std::unique_ptr<AudioOutput> NullOutputFactory::create(int) {
    return std::make_unique<NullOutput>(pace_);
}

std::string NullOutputFactory::deviceName(int index) {
    return index == 0 ? "Null output" : std::string();
}

}  // namespace sonara::audio
