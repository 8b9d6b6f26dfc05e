#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/io/Result.h"

namespace sonara::audio {

// The two ends a trigger (CMMTriggerX) moves audio between, in blocks of
// interleaved 16-bit frames. While a trigger runs, its worker thread is the
// only caller of these; before start() and after stop() the owner's thread is.

class AudioSource {
  public:
    virtual ~AudioSource() = default;
    // Format of the open stream; 0 when nothing is open.
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    // Up to `frames` frames: frames read, 0 at the end, or the failure that
    // ends the stream.
    virtual Result<size_t> readFrames(int16_t* out, size_t frames) = 0;
    // Why the stream could not be opened; empty when nothing was tried.
    virtual std::string lastError() const = 0;
};

class AudioSink {
  public:
    virtual ~AudioSink() = default;
    // Starts a new output in this format; a failure leaves nothing behind.
    virtual Status begin(int sampleRate, int channels) = 0;
    virtual Status write(const int16_t* frames, size_t count) = 0;
    // Completes the output; only now does it appear where it was meant to go.
    virtual Status finish() = 0;
    // Drops an output that was begun and not finished, leaving no trace.
    virtual void abandon() = 0;
};

}  // namespace sonara::audio
