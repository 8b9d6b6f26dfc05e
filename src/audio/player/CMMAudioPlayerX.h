#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "audio/AudioOutput.h"
#include "audio/Decoder.h"
#include "audio/Mpg123LengthProbe.h"
#include "audio/SampleTap.h"
#include "audio/player/HeardHistory.h"

namespace sonara {
class Dispatcher;
}

namespace sonara::audio {

// The audio player: opens a file when its name is set, plays it through an
// output on a thread of its own, and reports what the listener hears.
// Positions and lengths are in milliseconds.
//
// Every member is called on the user-interface thread, except copyHeard()
// (any thread). The started and ended events run on the user-interface thread
// too, posted through the Dispatcher; a player destroyed first drops them.
class CMMAudioPlayerX final : public SampleTap {
  public:
    // State bits.
    static constexpr int kOpen = 2;
    static constexpr int kPlaying = 4;
    static constexpr int kPaused = 8;

    CMMAudioPlayerX(Dispatcher& dispatcher, OutputFactory& outputs);
    ~CMMAudioPlayerX() override;
    CMMAudioPlayerX(const CMMAudioPlayerX&) = delete;
    CMMAudioPlayerX& operator=(const CMMAudioPlayerX&) = delete;

    // Putting the file name opens the file (closing the one open before). It
    // fails for a file that cannot be read (Io) or holds neither MPEG audio
    // nor WAV (Rejected).
    // Opening is cheap (a few small reads), so a player that only measures
    // lengths never starts a decoder.
    Status setFileName(const std::string& path);
    const std::string& fileName() const { return path_; }

    int state() const;
    int position() const;
    // While playing, a seek; otherwise where the next play starts.
    void setPosition(int milliseconds);
    int length() const;

    // The open file's format; 0 when no file is open or it cannot be decoded.
    int sampleRate();
    int bitRate();                     // of the frames playing now, else of the first
    int digital() const { return 0; }  // our outputs never pass a stream through undecoded
    int isMpeg();
    int layer();
    int channels();
    // Kept for callers that set it before every seek; our seeks are exact.
    void setSeekAccuracy(int value) { seekAccuracy_ = value; }

    // Output buffering: numBuffers × bufferSize bytes, taken at the next play.
    void setNumBuffers(int count);
    void setBufferSize(int bytes);
    int numBuffers() const { return numBuffers_; }
    int bufferSize() const { return bufferSize_; }

    int deviceId() const { return deviceId_; }
    void setDeviceId(int index) { deviceId_ = index; }
    // Name of output device `index`; empty past the last one.
    std::string deviceName(int index);

    // Stream volume 0..32768 (16384 neutral) and balance -32768..32768.
    void setVolume(int volume);
    void setBalance(int balance);

    // Starts playing the open file from the position set. Fails with
    // ErrorKind::Device (and a "WaveOutOpen:" text) when the output device
    // cannot be opened, Rejected when the file cannot be decoded.
    Status play();
    void stop();
    void pause();
    void resume();
    void close();

    std::function<void()> onStarted;
    std::function<void()> onEnded;

    size_t copyHeard(int16_t* out, size_t frames, int& channels, int& sampleRate) const override;

  private:
    enum class Kind { None, Mpeg, Wav };

    bool ensureDecoder();
    void playback(int64_t startFrame);
    // Waits until the output has played what it holds, or a stop.
    void waitUntilHeard(int64_t framesWritten);
    int64_t framesHeardNow() const;
    void post(std::function<void()> CMMAudioPlayerX::*event);
    void joinPlayback();
    // Wakes the playback thread after a flag it waits on changed.
    void nudge();

    Dispatcher& dispatcher_;
    OutputFactory& outputs_;
    Mpg123LengthProbe lengthProbe_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);

    std::string path_;
    Kind kind_ = Kind::None;
    int64_t lengthMs_ = 0;
    std::unique_ptr<Decoder> decoder_;
    bool decoderFailed_ = false;

    int numBuffers_ = 50;
    int bufferSize_ = 8192;
    int deviceId_ = 0;
    int seekAccuracy_ = 0;
    int64_t startFrame_ = 0;  // where the next play starts

    // Shared with the playback thread.
    std::thread thread_;
    std::unique_ptr<AudioOutput> output_;
    mutable std::mutex outputMutex_;  // guards output_ between the threads' uses
    std::mutex wakeMutex_;
    std::condition_variable wake_;
    std::atomic<bool> playing_{false};
    std::atomic<bool> paused_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> endPosted_{false};
    std::atomic<int64_t> seekRequest_{-1};
    std::atomic<int64_t> segmentStart_{0};  // frame the output's heard count starts at
    std::atomic<int64_t> finalHeard_{-1};   // heard frames once the output is gone
    std::atomic<int> volume_{16384};
    std::atomic<int> balance_{0};
    std::atomic<bool> volumeChanged_{true};
    std::atomic<int> currentBitRate_{0};
    HeardHistory history_;
    int rate_ = 0;
    int channelCount_ = 0;
};

}  // namespace sonara::audio
