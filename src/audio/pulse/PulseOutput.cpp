#include "audio/pulse/PulseOutput.h"

#include <pulse/context.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <utility>

#include "audio/pulse/PulseConnection.h"
#include "audio/pulse/PulseSinks.h"

namespace sonara::audio::pulse {

namespace {

// Wakes the wait on an operation as soon as it ends: without a callback the
// wait would sleep until its timeout (seconds of a frozen Pause button).
void wakeWaiter(pa_stream*, int, void* connection) {
    static_cast<const PulseConnection*>(connection)->signal();
}

using Clock = PulseConnection::Clock;

// A server that takes no audio for this long (while we are not paused) is
// taken for gone.
constexpr std::chrono::seconds kStallTimeout{3};
// What a drain may take beyond the audio still queued.
constexpr std::chrono::seconds kDrainSlack{3};

void onStreamEvent(pa_stream*, void* connection) noexcept {
    static_cast<const PulseConnection*>(connection)->signal();
}

void onStreamWritable(pa_stream*, size_t, void* connection) noexcept {
    static_cast<const PulseConnection*>(connection)->signal();
}

Status openFailure(const std::string& reason) {
    return Status::failure(ErrorKind::Device, "WaveOutOpen: " + reason);
}

// Lock held. Disconnects and releases `stream`.
void releaseStream(pa_stream* stream) {
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}

}  // namespace

std::unique_ptr<PulseOutput> PulseOutput::atPosition(int position) {
    return std::unique_ptr<PulseOutput>(new PulseOutput(std::max(position, -1), {}));
}

std::unique_ptr<PulseOutput> PulseOutput::named(std::string sinkName) {
    return std::unique_ptr<PulseOutput>(new PulseOutput(-1, std::move(sinkName)));
}

PulseOutput::PulseOutput(int position, std::string sinkName)
    : position_(position), requestedSink_(std::move(sinkName)) {}

PulseOutput::~PulseOutput() {
    close();
}

Status PulseOutput::open(int sampleRate, int channels, size_t bufferBytes) {
    close();
    if (sampleRate <= 0 || uint32_t(sampleRate) > PA_RATE_MAX || channels < 1 ||
        uint32_t(channels) > PA_CHANNELS_MAX) {
        return openFailure("unsupported format (" + std::to_string(sampleRate) + " Hz, " +
                           std::to_string(channels) + " channels)");
    }
    auto connected = PulseConnection::connect("Sonara");
    if (!connected) {
        return openFailure("cannot reach the sound server: " + connected.error());
    }
    std::unique_ptr<PulseConnection> connection = std::move(connected.value());
    pa_stream* stream = nullptr;
    std::string sinkName;
    {
        PulseConnection::Lock lock(*connection);
        std::string sink = requestedSink_;
        if (position_ >= 0) {
            const auto sinks = listSinksLocked(*connection);
            if (!sinks) {
                return openFailure("cannot list the sound server's sinks: " +
                                   connection->lastError());
            }
            if (size_t(position_) < sinks->size()) {
                sink = (*sinks)[size_t(position_)].name;
            }
        }
        const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(sampleRate), uint8_t(channels)};
        stream = pa_stream_new(connection->context(), "Music", &spec, nullptr);
        if (stream == nullptr) {
            return openFailure(connection->lastError());
        }
        pa_stream_set_state_callback(stream, &onStreamEvent, connection.get());
        pa_stream_set_write_callback(stream, &onStreamWritable, connection.get());

        const size_t frameBytes = size_t(channels) * sizeof(int16_t);
        const size_t perSecond = size_t(sampleRate) * frameBytes;
        const size_t target = std::clamp(bufferBytes, perSecond / 20, perSecond / 2);
        pa_buffer_attr attributes;
        attributes.maxlength = uint32_t(-1);
        attributes.tlength = uint32_t(target / frameBytes * frameBytes);
        attributes.prebuf = uint32_t(-1);
        attributes.minreq = uint32_t(-1);
        attributes.fragsize = uint32_t(-1);
        const auto flags = pa_stream_flags_t(
            PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
        const bool started =
            pa_stream_connect_playback(stream, sink.empty() ? nullptr : sink.c_str(), &attributes,
                                       flags, nullptr, nullptr) == 0 &&
            connection->waitUntil(
                [&] {
                    const pa_stream_state_t state = pa_stream_get_state(stream);
                    return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state) ||
                           !connection->ready();
                },
                Clock::now() + PulseConnection::kRequestTimeout);
        if (!started || pa_stream_get_state(stream) != PA_STREAM_READY) {
            std::string reason =
                started ? connection->lastError() : "the sound server did not answer";
            if (!sink.empty()) {
                reason += " (sink " + sink + ")";
            }
            releaseStream(stream);
            return openFailure(reason);
        }
        if (const char* device = pa_stream_get_device_name(stream)) {
            sinkName = device;
        }
    }

    std::lock_guard objects(objects_);
    connection_ = std::move(connection);
    stream_ = stream;
    sinkName_ = std::move(sinkName);
    sampleRate_ = sampleRate;
    channels_ = channels;
    frameBytes_ = size_t(channels) * sizeof(int16_t);
    PulseConnection::Lock lock(*connection_);
    gain_.set(volume_, balance_, channels_);
    framesWritten_ = 0;
    paused_ = false;
    drained_ = false;
    failed_ = false;
    lastHeard_ = 0;
    return Status::success();
}

bool PulseOutput::usable() const {
    return !failed_ && connection_->ready() && pa_stream_get_state(stream_) == PA_STREAM_READY;
}

bool PulseOutput::write(const int16_t* samples, size_t frames) {
    // stream_ changes only on this (the owner's) thread.
    if (stream_ == nullptr) {
        return false;
    }
    PulseConnection::Lock lock(*connection_);
    const uint64_t flushes = flushes_;
    const auto writableFrames = [&] {
        const size_t bytes = pa_stream_writable_size(stream_);
        return bytes == size_t(-1) ? size_t(0) : bytes / frameBytes_;
    };
    auto stallDeadline = Clock::now() + kStallTimeout;
    size_t done = 0;
    while (done < frames) {
        if (!usable()) {
            failed_ = true;
            return false;
        }
        if (flushes_ != flushes) {
            return true;  // the rest was flushed away
        }
        size_t count = std::min(writableFrames(), frames - done);
        if (count == 0) {
            const bool wasPaused = paused_;
            const bool woken = connection_->waitUntil(
                [&] {
                    return !usable() || flushes_ != flushes || paused_ != wasPaused ||
                           writableFrames() > 0;
                },
                wasPaused ? Clock::now() + kStallTimeout : stallDeadline);
            if (wasPaused || paused_) {
                stallDeadline = Clock::now() + kStallTimeout;
            } else if (!woken) {
                failed_ = true;
                return false;
            }
            continue;
        }
        void* buffer = nullptr;
        size_t bytes = count * frameBytes_;
        if (pa_stream_begin_write(stream_, &buffer, &bytes) < 0 || buffer == nullptr) {
            failed_ = true;
            return false;
        }
        count = std::min(count, bytes / frameBytes_);
        if (count == 0) {
            pa_stream_cancel_write(stream_);
            failed_ = true;
            return false;
        }
        gain_.apply(samples + done * size_t(channels_), static_cast<int16_t*>(buffer), count);
        if (pa_stream_write(stream_, buffer, count * frameBytes_, nullptr, 0, PA_SEEK_RELATIVE) <
            0) {
            failed_ = true;
            return false;
        }
        done += count;
        framesWritten_ += int64_t(count);
        drained_ = false;
        stallDeadline = Clock::now() + kStallTimeout;
    }
    return true;
}

int64_t PulseOutput::framesHeard() const {
    std::lock_guard objects(objects_);
    if (stream_ == nullptr) {
        return lastHeard_;
    }
    PulseConnection::Lock lock(*connection_);
    int64_t heard = lastHeard_;
    if (drained_) {
        heard = framesWritten_;
    } else if (usable()) {
        // Latency here is the time from the end of what we wrote to what is
        // heard now, interpolated between the server's timing reports.
        pa_usec_t latency = 0;
        int negative = 0;
        if (pa_stream_get_latency(stream_, &latency, &negative) == 0) {
            const int64_t queued = int64_t(latency * pa_usec_t(sampleRate_) / PA_USEC_PER_SEC);
            heard = framesWritten_ - (negative ? -queued : queued);
        }
    }
    heard = std::clamp(heard, int64_t(0), framesWritten_);
    lastHeard_ = heard;
    return heard;
}

void PulseOutput::pause(bool paused) {
    std::lock_guard objects(objects_);
    if (stream_ == nullptr) {
        return;
    }
    PulseConnection::Lock lock(*connection_);
    if (paused_ == paused) {
        return;
    }
    paused_ = paused;
    if (usable()) {
        connection_->complete(pa_stream_cork(stream_, paused ? 1 : 0, &wakeWaiter, connection_.get()));
    }
    connection_->signal();
}

void PulseOutput::flush() {
    std::lock_guard objects(objects_);
    if (stream_ == nullptr) {
        return;
    }
    PulseConnection::Lock lock(*connection_);
    ++flushes_;
    framesWritten_ = 0;
    drained_ = false;
    lastHeard_ = 0;
    if (usable()) {
        connection_->complete(pa_stream_flush(stream_, &wakeWaiter, connection_.get()));
        // The flush moved the server's write index; learn where it is now.
        connection_->complete(pa_stream_update_timing_info(stream_, &wakeWaiter, connection_.get()));
    }
    connection_->signal();
}

void PulseOutput::drain() {
    if (stream_ == nullptr) {
        return;
    }
    PulseConnection::Lock lock(*connection_);
    if (!usable() || drained_) {
        return;
    }
    const uint64_t flushes = flushes_;
    pa_operation* operation = pa_stream_drain(stream_, &wakeWaiter, connection_.get());
    if (operation == nullptr) {
        return;
    }
    pa_usec_t latency = 0;
    int negative = 0;
    if (pa_stream_get_latency(stream_, &latency, &negative) != 0 || negative) {
        latency = 0;
    }
    auto deadline = Clock::now() + std::chrono::microseconds(int64_t(latency)) + kDrainSlack;
    for (;;) {
        const bool wasPaused = paused_;
        const bool finished = connection_->waitUntil(
            [&] {
                return pa_operation_get_state(operation) != PA_OPERATION_RUNNING || !usable() ||
                       flushes_ != flushes || paused_ != wasPaused;
            },
            wasPaused ? Clock::now() + kStallTimeout : deadline);
        if (paused_ || wasPaused) {
            // Time spent paused does not count against the drain.
            deadline = Clock::now() + std::chrono::microseconds(int64_t(latency)) + kDrainSlack;
        }
        if (pa_operation_get_state(operation) != PA_OPERATION_RUNNING || !usable() ||
            flushes_ != flushes || (!finished && !paused_ && !wasPaused)) {
            break;
        }
    }
    if (pa_operation_get_state(operation) == PA_OPERATION_DONE && flushes_ == flushes) {
        drained_ = true;
    } else {
        pa_operation_cancel(operation);
    }
    pa_operation_unref(operation);
}

void PulseOutput::close() {
    std::lock_guard objects(objects_);
    if (stream_ != nullptr) {
        PulseConnection::Lock lock(*connection_);
        releaseStream(stream_);
        stream_ = nullptr;
        connection_->signal();
    }
    // Outside the lock: this stops the connection's thread.
    connection_.reset();
    sinkName_.clear();
}

void PulseOutput::setVolume(int volume, int balance) {
    std::lock_guard objects(objects_);
    volume_ = volume;
    balance_ = balance;
    if (stream_ != nullptr) {
        PulseConnection::Lock lock(*connection_);
        gain_.set(volume_, balance_, channels_);
    }
}

std::string PulseOutput::sinkName() const {
    std::lock_guard objects(objects_);
    return sinkName_;
}

}  // namespace sonara::audio::pulse
