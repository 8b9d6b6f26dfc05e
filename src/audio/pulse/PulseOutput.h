#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "audio/AudioOutput.h"
#include "audio/pulse/StreamGain.h"

struct pa_stream;

namespace sonara::audio::pulse {

class PulseConnection;

// A playback stream on a PulseAudio sink, with a connection of its own.
//
// Threads: open(), write(), drain() and close() belong to the owner's output
// thread. pause(), flush(), setVolume() and framesHeard() may also be called
// from another thread, also while write() or drain() waits: a pause holds
// the wait (write() waits for the resume, so a single-threaded caller does
// not write while paused), a flush ends it at once.
//
// Latency: the server is asked to keep about min(bufferBytes, 0.5 s) of
// audio queued, and never less than 50 ms. Volume and balance scale samples
// in software as they are written (StreamGain), so the sink's volume, which
// is the master volume, is left alone.
//
// Failures: open() gives ErrorKind::Device and "WaveOutOpen: <reason>" when
// the server cannot be reached or the stream not made; a server that goes
// away or stops answering for a few seconds makes write() return false, and
// later calls do nothing.
class PulseOutput final : public AudioOutput {
  public:
    // The sink at `position` in the server's order, looked up at open(); the
    // default sink for -1 or a position past the last.
    static std::unique_ptr<PulseOutput> atPosition(int position);
    // The sink called `sinkName`; the default sink when empty.
    static std::unique_ptr<PulseOutput> named(std::string sinkName);

    ~PulseOutput() override;
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    Status open(int sampleRate, int channels, size_t bufferBytes) override;
    bool write(const int16_t* samples, size_t frames) override;
    int64_t framesHeard() const override;
    void pause(bool paused) override;
    void flush() override;
    void drain() override;
    void close() override;
    void setVolume(int volume, int balance) override;

    // The sink the open stream plays on (empty while closed).
    std::string sinkName() const;

  private:
    PulseOutput(int position, std::string sinkName);
    // Lock held. The stream and its connection are still usable.
    bool usable() const;

    const int position_;
    const std::string requestedSink_;

    // Guards the objects below against the other threads' calls while the
    // owner opens or closes; taken before the main loop's lock, never after.
    mutable std::mutex objects_;
    std::unique_ptr<PulseConnection> connection_;
    pa_stream* stream_ = nullptr;
    std::string sinkName_;
    int sampleRate_ = 0;
    int channels_ = 0;
    size_t frameBytes_ = 0;
    int volume_ = 16384;
    int balance_ = 0;

    // Guarded by the main loop's lock while a stream exists.
    StreamGain gain_;
    int64_t framesWritten_ = 0;  // since open() or the last flush()
    uint64_t flushes_ = 0;       // a waiting write() ends when this moves
    bool paused_ = false;
    bool drained_ = false;  // everything written has been heard
    bool failed_ = false;

    // What framesHeard() last saw, for readers without a stream.
    mutable std::atomic<int64_t> lastHeard_{0};
};

}  // namespace sonara::audio::pulse
