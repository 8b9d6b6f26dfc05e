#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/AudioOutput.h"

namespace sonara::audio::testing {

// An output that plays by the clock, `speed` times faster than real time,
// holding at most `holdMs` of audio; and a factory with a scripted device
// list whose opens may be told to fail.
class FakeOutput final : public AudioOutput {
  public:
    FakeOutput(double speed, int64_t holdTailFrames) : speed_(speed), holdTail(holdTailFrames) {}

    Status open(int sampleRate, int channels, size_t) override {
        rate_ = sampleRate;
        channels_ = channels;
        since_ = Clock::now();
        return Status::success();
    }
    bool write(const int16_t*, size_t frames) override {
        // Wait while more than ~100 ms of (fast) audio waits.
        for (;;) {
            advance();
            std::lock_guard lock(mutex_);
            if (written_ - heard_ < rate_ / 10) {
                written_ += int64_t(frames);
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    int64_t framesHeard() const override {
        const_cast<FakeOutput*>(this)->advance();
        std::lock_guard lock(mutex_);
        return heard_;
    }
    void pause(bool paused) override {
        advance();
        paused_ = paused;
    }
    void flush() override {
        std::lock_guard lock(mutex_);
        written_ = heard_ = 0;
        since_ = Clock::now();
    }
    void drain() override {}
    void close() override {}
    void setVolume(int volume, int balance) override {
        lastVolume = volume;
        lastBalance = balance;
    }

    std::atomic<int> lastVolume{-1};
    std::atomic<int> lastBalance{-99999};

  private:
    using Clock = std::chrono::steady_clock;
    void advance() {
        std::lock_guard lock(mutex_);
        const auto now = Clock::now();
        if (!paused_) {
            const double seconds = std::chrono::duration<double>(now - since_).count() * speed_;
            // A sound server may keep a stream's tail until more comes.
            heard_ = std::min(written_ - holdTail, heard_ + int64_t(seconds * rate_));
            heard_ = std::max<int64_t>(heard_, 0);
        }
        since_ = now;
    }

    const double speed_;
    const int64_t holdTail;
    mutable std::mutex mutex_;
    int rate_ = 44100;
    int channels_ = 2;
    int64_t written_ = 0;
    int64_t heard_ = 0;
    std::atomic<bool> paused_{false};
    Clock::time_point since_ = Clock::now();
};

class FakeOutputFactory final : public OutputFactory {
  public:
    std::unique_ptr<AudioOutput> create(int deviceIndex) override {
        lastDevice = deviceIndex;
        if (failOpen) {
            return std::make_unique<FailingOutput>();
        }
        auto output = std::make_unique<FakeOutput>(speed, holdTailFrames);
        last = output.get();
        return output;
    }
    std::string deviceName(int index) override {
        return index >= 0 && index < int(devices.size()) ? devices[size_t(index)] : std::string();
    }

    std::vector<std::string> devices = {"Fake sound card"};
    double speed = 1.0;
    bool failOpen = false;
    int64_t holdTailFrames = 0;  // never heard until more is written
    int lastDevice = -2;
    FakeOutput* last = nullptr;

  private:
    class FailingOutput final : public AudioOutput {
      public:
        Status open(int, int, size_t) override {
            return Status::failure(ErrorKind::Device, "WaveOutOpen: the device is busy");
        }
        bool write(const int16_t*, size_t) override { return false; }
        int64_t framesHeard() const override { return 0; }
        void pause(bool) override {}
        void flush() override {}
        void drain() override {}
        void close() override {}
        void setVolume(int, int) override {}
    };
};

}  // namespace sonara::audio::testing
