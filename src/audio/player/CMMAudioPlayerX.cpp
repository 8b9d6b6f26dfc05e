#include "audio/player/CMMAudioPlayerX.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "audio/ReadOnlyFile.h"
#include "core/app/Dispatcher.h"

namespace sonara::audio {

namespace {

// Frames decoded and written at a time: small enough that a stop, pause or
// seek is taken within a few tens of milliseconds, large enough that the
// thread wakes rarely.
constexpr size_t kChunkFrames = 2048;

bool isRiffWave(ReadOnlyFile& file) {
    uint8_t head[12] = {};
    return file.readAt(0, head, sizeof head) == sizeof head && std::memcmp(head, "RIFF", 4) == 0 &&
           std::memcmp(head + 8, "WAVE", 4) == 0;
}

}  // namespace

CMMAudioPlayerX::CMMAudioPlayerX(Dispatcher& dispatcher, OutputFactory& outputs)
    : dispatcher_(dispatcher), outputs_(outputs) {}

CMMAudioPlayerX::~CMMAudioPlayerX() {
    alive_.reset();
    stopRequested_ = true;
    nudge();
    joinPlayback();
}

Status CMMAudioPlayerX::setFileName(const std::string& path) {
    close();
    ReadOnlyFile file(path);
    if (!file.isOpen()) {
        return Status::failure(ErrorKind::Io, "Cannot open " + path);
    }
    if (isRiffWave(file)) {
        Result<std::unique_ptr<Decoder>> opened = openDecoder(path);
        if (!opened) {
            return opened.status();
        }
        decoder_ = std::move(opened.value());
        kind_ = Kind::Wav;
        lengthMs_ = decoder_->info().lengthMs;
    } else {
        // The header measure the library's scans use: it also tells MPEG
        // audio from anything else, without starting a decoder.
        lengthMs_ =
            lengthProbe_.lengthMillisecondsOfOpenFile(file.descriptor(), file.size()).value_or(0);
        if (lengthMs_ <= 0) {
            lengthMs_ = 0;
            return Status::failure(ErrorKind::Rejected, "Not an MPEG audio or WAV file: " + path);
        }
        kind_ = Kind::Mpeg;
    }
    path_ = path;
    startFrame_ = 0;
    return Status::success();
}

bool CMMAudioPlayerX::ensureDecoder() {
    if (kind_ == Kind::None || decoderFailed_) {
        return false;
    }
    if (!decoder_) {
        Result<std::unique_ptr<Decoder>> opened = openDecoder(path_);
        if (!opened) {
            decoderFailed_ = true;
            return false;
        }
        decoder_ = std::move(opened.value());
    }
    return true;
}

int CMMAudioPlayerX::state() const {
    int bits = kind_ != Kind::None ? kOpen : 0;
    if (playing_) {
        bits |= kPlaying;
        if (paused_) {
            bits |= kPaused;
        }
    }
    return bits;
}

int64_t CMMAudioPlayerX::framesHeardNow() const {
    std::lock_guard lock(outputMutex_);
    const int64_t final = finalHeard_;
    if (final >= 0) {
        return segmentStart_ + final;
    }
    return segmentStart_ + (output_ ? output_->framesHeard() : 0);
}

int CMMAudioPlayerX::position() const {
    if (!thread_.joinable() || rate_ <= 0) {
        return int(std::min<int64_t>(startFrame_ * 1000 / std::max(rate_, 1), INT32_MAX));
    }
    const int64_t ms = framesHeardNow() * 1000 / rate_;
    return int(std::clamp<int64_t>(ms, 0, std::max<int64_t>(lengthMs_, ms)));
}

void CMMAudioPlayerX::setPosition(int milliseconds) {
    if (kind_ == Kind::None) {
        return;
    }
    const int64_t ms = std::clamp<int64_t>(milliseconds, 0, lengthMs_);
    if (rate_ <= 0 && ensureDecoder()) {
        rate_ = decoder_->info().sampleRate;
    }
    const int64_t frame = ms * std::max(rate_, 1) / 1000;
    if (playing_) {
        seekRequest_ = frame;
        nudge();
    } else {
        startFrame_ = frame;
    }
}

int CMMAudioPlayerX::length() const {
    return int(std::min<int64_t>(lengthMs_, INT32_MAX));
}

int CMMAudioPlayerX::sampleRate() {
    return ensureDecoder() ? decoder_->info().sampleRate : 0;
}

int CMMAudioPlayerX::bitRate() {
    if (playing_ && currentBitRate_ > 0) {
        return currentBitRate_;
    }
    return ensureDecoder() ? decoder_->info().bitRateKbps : 0;
}

int CMMAudioPlayerX::isMpeg() {
    return ensureDecoder() && decoder_->info().isMpeg ? 1 : 0;
}
int CMMAudioPlayerX::layer() {
    return ensureDecoder() ? decoder_->info().layer : 0;
}
int CMMAudioPlayerX::channels() {
    return ensureDecoder() ? decoder_->info().channels : 0;
}

void CMMAudioPlayerX::setNumBuffers(int count) {
    numBuffers_ = std::max(1, count);
}
void CMMAudioPlayerX::setBufferSize(int bytes) {
    bufferSize_ = std::max(1024, bytes);
}

std::string CMMAudioPlayerX::deviceName(int index) {
    return outputs_.deviceName(index);
}

void CMMAudioPlayerX::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 32768);
    volumeChanged_ = true;
}

void CMMAudioPlayerX::setBalance(int balance) {
    balance_ = std::clamp(balance, -32768, 32768);
    volumeChanged_ = true;
}

Status CMMAudioPlayerX::play() {
    if (kind_ == Kind::None) {
        return Status::failure(ErrorKind::Invalid, "No file is open");
    }
    if (playing_) {
        if (paused_) {
            resume();
        }
        return Status::success();
    }
    joinPlayback();
    if (!ensureDecoder()) {
        return Status::failure(ErrorKind::Rejected, "Cannot decode " + path_);
    }
    const StreamInfo& info = decoder_->info();
    rate_ = info.sampleRate;
    channelCount_ = info.channels;
    std::unique_ptr<AudioOutput> output = outputs_.create(deviceId_);
    if (!output) {
        return Status::failure(ErrorKind::Device, "WaveOutOpen: no output device");
    }
    const size_t bufferBytes = size_t(numBuffers_) * size_t(bufferSize_);
    if (Status opened = output->open(rate_, channelCount_, bufferBytes); !opened) {
        return opened;
    }
    {
        std::lock_guard lock(outputMutex_);
        output_ = std::move(output);
        finalHeard_ = -1;
        segmentStart_ = startFrame_;
    }
    stopRequested_ = false;
    paused_ = false;
    endPosted_ = false;
    seekRequest_ = -1;
    volumeChanged_ = true;
    playing_ = true;
    const int64_t start = startFrame_;
    thread_ = std::thread([this, start] { playback(start); });
    return Status::success();
}

void CMMAudioPlayerX::playback(int64_t startFrame) {
    AudioOutput& output = *output_;
    Decoder& decoder = *decoder_;
    const int channelCount = channelCount_;
    history_.reset(rate_, channelCount);
    if (startFrame > 0) {
        decoder.seek(startFrame);
    }
    std::vector<int16_t> chunk(kChunkFrames * size_t(channelCount));
    int64_t written = 0;  // since the last flush
    bool started = false;
    while (!stopRequested_) {
        if (const int64_t seek = seekRequest_.exchange(-1); seek >= 0) {
            output.flush();
            decoder.seek(seek);
            segmentStart_ = seek;
            written = 0;
            history_.reset(rate_, channelCount);
        }
        if (paused_) {
            output.pause(true);
            std::unique_lock lock(wakeMutex_);
            wake_.wait(lock, [&] { return !paused_ || stopRequested_ || seekRequest_ >= 0; });
            lock.unlock();
            output.pause(false);
            continue;
        }
        if (volumeChanged_.exchange(false)) {
            output.setVolume(volume_, balance_);
        }
        const Result<size_t> read = decoder.read(chunk.data(), kChunkFrames);
        const size_t frames = read ? read.value() : 0;
        if (frames == 0) {
            waitUntilHeard(written);  // a damaged stream ends as its end would
            break;
        }
        if (!output.write(chunk.data(), frames)) {
            break;  // an output that failed ends the song as its end would
        }
        written += frames;
        currentBitRate_ = decoder.currentBitRateKbps();
        history_.append(chunk.data(), size_t(frames));
        if (!started) {
            started = true;
            post(&CMMAudioPlayerX::onStarted);
        }
    }
    {
        std::lock_guard lock(outputMutex_);
        finalHeard_ = stopRequested_ ? output.framesHeard() : written;
        output.close();
    }
    playing_ = false;
    // A stop posts its own ended event once the thread is gone.
    if (!stopRequested_ && !endPosted_.exchange(true)) {
        post(&CMMAudioPlayerX::onEnded);
    }
}

void CMMAudioPlayerX::waitUntilHeard(int64_t framesWritten) {
    // Watched rather than drained, so a stop in the last second of a song is
    // taken at once. An output that stalls for good gives up at the limit.
    // What is still to be heard, plus a margin.
    const int64_t unheard = framesWritten - output_->framesHeard();
    const auto limit = std::chrono::steady_clock::now() +
                       std::chrono::milliseconds(unheard * 1000 / std::max(rate_, 1) + 2000);
    int64_t lastHeard = -1;
    auto lastMove = std::chrono::steady_clock::now();
    while (!stopRequested_ && seekRequest_ < 0) {
        const int64_t heard = output_->framesHeard();
        if (heard >= framesWritten) {
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (heard != lastHeard || paused_) {
            lastHeard = heard;
            lastMove = now;
        }
        if (now > limit && !paused_) {
            return;
        }
        // Stalled within the last 200 ms: a sound server may hold the tail
        // of a stream (about 60 ms here) until it is told no more will come;
        // a drain would take a second or two more.
        if (now - lastMove > std::chrono::milliseconds(100) &&
            framesWritten - heard <= std::max(rate_, 1) / 5) {
            return;
        }
        std::unique_lock lock(wakeMutex_);
        wake_.wait_for(lock, std::chrono::milliseconds(10));
    }
}

void CMMAudioPlayerX::post(std::function<void()> CMMAudioPlayerX::*event) {
    std::weak_ptr<int> alive = alive_;
    dispatcher_.post([this, alive, event] {
        if (alive.lock() && this->*event) {
            (this->*event)();
        }
    });
}

void CMMAudioPlayerX::nudge() {
    // Taking the lock after changing a flag means the thread is either still
    // to test it or already waiting, so the notice cannot be lost.
    { std::lock_guard lock(wakeMutex_); }
    wake_.notify_all();
}

void CMMAudioPlayerX::joinPlayback() {
    if (thread_.joinable()) {
        thread_.join();
    }
    std::lock_guard lock(outputMutex_);
    output_.reset();
}

void CMMAudioPlayerX::stop() {
    if (!thread_.joinable()) {
        return;
    }
    const bool wasRunning = playing_;
    stopRequested_ = true;
    nudge();
    joinPlayback();
    playing_ = false;
    paused_ = false;
    startFrame_ = 0;
    if (wasRunning && !endPosted_.exchange(true)) {
        post(&CMMAudioPlayerX::onEnded);
    }
}

void CMMAudioPlayerX::pause() {
    if (playing_ && !paused_) {
        paused_ = true;
        // At once, not when the thread's current block is taken.
        std::lock_guard lock(outputMutex_);
        if (output_ && finalHeard_ < 0) {
            output_->pause(true);
        }
    }
    nudge();
}

void CMMAudioPlayerX::resume() {
    if (paused_) {
        paused_ = false;
        std::lock_guard lock(outputMutex_);
        if (output_ && finalHeard_ < 0) {
            output_->pause(false);
        }
    }
    nudge();
}

void CMMAudioPlayerX::close() {
    stop();
    joinPlayback();
    decoder_.reset();
    decoderFailed_ = false;
    kind_ = Kind::None;
    path_.clear();
    lengthMs_ = 0;
    startFrame_ = 0;
    rate_ = 0;
}

size_t CMMAudioPlayerX::copyHeard(int16_t* out, size_t frames, int& channels,
                                  int& sampleRate) const {
    if (!playing_) {
        channels = 0;
        sampleRate = 0;
        return 0;
    }
    const int64_t heardInSegment = framesHeardNow() - segmentStart_;
    return history_.copyEndingAt(heardInSegment, out, frames, channels, sampleRate);
}

}  // namespace sonara::audio
