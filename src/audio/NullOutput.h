#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "audio/AudioOutput.h"

namespace sonara::audio {

// An output without a device: it takes audio at the rate a listener would
// hear it, by the clock, so that playback, positions and the end of a song
// behave as on a sound card (no sound server needed). Unpaced, it takes
// everything at once and counts it heard, for tests and conversions that
// want speed.
//
// Up to min(bufferBytes, 0.5 s) of audio waits "in the output", as with the
// sound server. Threads as for every output: the owner's thread drives it;
// pause(), flush(), setVolume() and framesHeard() may come from any thread,
// also while write() or drain() waits (a pause holds the wait, a flush ends
// it). Volume and balance are kept but change nothing.
class NullOutput final : public AudioOutput {
  public:
    enum class Pace { RealTime, Unpaced };

    explicit NullOutput(Pace pace = Pace::RealTime) : pace_(pace) {}

    Status open(int sampleRate, int channels, size_t bufferBytes) override;
    bool write(const int16_t* samples, size_t frames) override;
    int64_t framesHeard() const override;
    void pause(bool paused) override;
    void flush() override;
    void drain() override;
    void close() override;
    void setVolume(int volume, int balance) override;

  private:
    using Clock = std::chrono::steady_clock;
    // Lock held: frames heard by `now`.
    int64_t heardAt(Clock::time_point now) const;
    // Lock held: when `frames` will have been heard, the output playing.
    Clock::time_point timeHeard(int64_t frames) const;
    // Lock held: the clock's start moved to `now`, keeping what was heard.
    void restartClock(Clock::time_point now);

    const Pace pace_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
    int sampleRate_ = 0;
    int64_t capacity_ = 0;  // frames that may wait
    int64_t written_ = 0;   // since open() or flush()
    // Heard = heardBase_ + the time played since clockStart_, up to written_.
    int64_t heardBase_ = 0;
    Clock::time_point clockStart_{};
    bool paused_ = false;
    uint64_t flushes_ = 0;
};

// One device, "Null output", whatever the index.
class NullOutputFactory final : public OutputFactory {
  public:
    explicit NullOutputFactory(NullOutput::Pace pace = NullOutput::Pace::RealTime) : pace_(pace) {}
    std::unique_ptr<AudioOutput> create(int deviceIndex) override;
    // "Null output" for index 0, empty for every other.
    std::string deviceName(int index) override;

  private:
    NullOutput::Pace pace_;
};

}  // namespace sonara::audio
