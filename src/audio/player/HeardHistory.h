#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace sonara::audio {

// The samples a player wrote to its output lately, so the analysers can be
// given what the listener hears now rather than what was just decoded.
// Frames are numbered from the last reset (the start of playback, a seek).
// Written by the player's thread, read from any thread; the lock is held
// only while copying.
class HeardHistory {
  public:
    // Keeps `seconds` of audio at the format given to reset().
    explicit HeardHistory(double seconds = 2.0) : seconds_(seconds) {}

    void reset(int sampleRate, int channels);
    void append(const int16_t* samples, size_t frames);
    // The `frames` frames ending at frame `heardEnd`, oldest first, as far as
    // they were written and are still kept: frames copied.
    size_t copyEndingAt(int64_t heardEnd, int16_t* out, size_t frames, int& channels,
                        int& sampleRate) const;

  private:
    const double seconds_;
    mutable std::mutex mutex_;
    std::vector<int16_t> ring_;  // capacity × channels samples
    size_t capacity_ = 0;        // in frames
    int64_t written_ = 0;        // frames appended since reset
    int channels_ = 0;
    int sampleRate_ = 0;
};

}  // namespace sonara::audio
