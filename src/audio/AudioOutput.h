#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/io/Result.h"

namespace sonara::audio {

// One audio output backend (PulseAudio, null). Owned and driven by one
// player's output thread: open, write, drain and close are called from that
// thread only; pause, flush, setVolume and framesHeard from any thread, also
// while a write or drain waits (a pause holds the wait, a flush ends it).
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    // Opens a stream of interleaved signed 16-bit samples. `bufferBytes` is
    // how much audio may wait in the output ahead of the listener. A device
    // that cannot be opened (no sound server, no such device, a format it
    // refuses) fails with ErrorKind::Device and a "WaveOutOpen: " text.
    virtual Status open(int sampleRate, int channels, size_t bufferBytes) = 0;
    // Blocks until all of `frames` is accepted (or the output failed: false).
    virtual bool write(const int16_t* samples, size_t frames) = 0;
    // Frames the listener has heard since open() or the last flush(): written
    // frames minus what still waits in the output. Any thread.
    virtual int64_t framesHeard() const = 0;
    // Pause and resume in place, keeping what waits. Any thread.
    virtual void pause(bool paused) = 0;
    // Drops what waits (for a stop or a seek); framesHeard() restarts at 0.
    // Any thread.
    virtual void flush() = 0;
    // Waits until everything written has been heard (the end of a song).
    virtual void drain() = 0;
    virtual void close() = 0;
    // Stream volume 0..32768 (16384 is the neutral "PCM level") and balance
    // -32768..32768 (0 centred); applied from the next write on. Any thread.
    virtual void setVolume(int volume, int balance) = 0;
};

// Makes outputs and names the devices they can open. Device index i is the
// sound server's i-th sink; an index past the last opens the default sink.
class OutputFactory {
  public:
    virtual ~OutputFactory() = default;
    virtual std::unique_ptr<AudioOutput> create(int deviceIndex) = 0;
    // Name of device `index`; empty past the last one or without a server.
    virtual std::string deviceName(int index) = 0;
};

}  // namespace sonara::audio
