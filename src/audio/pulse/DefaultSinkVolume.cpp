#include "audio/pulse/DefaultSinkVolume.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>
#include <pulse/volume.h>

#include <algorithm>

#include "audio/pulse/PulseConnection.h"

namespace sonara::audio::pulse {

namespace {

constexpr const char* kDefaultSink = "@DEFAULT_SINK@";

int levelOf(pa_volume_t volume) {
    const uint64_t level =
        (uint64_t(volume) * DefaultSinkVolume::kMaximumLevel + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM;
    return int(std::min<uint64_t>(level, DefaultSinkVolume::kMaximumLevel));
}

pa_volume_t volumeOf(int level) {
    const auto clamped = uint64_t(std::clamp(level, 0, DefaultSinkVolume::kMaximumLevel));
    return pa_volume_t((clamped * PA_VOLUME_NORM + DefaultSinkVolume::kMaximumLevel / 2) /
                       DefaultSinkVolume::kMaximumLevel);
}

struct SinkState {
    const PulseConnection* connection;
    bool found = false;
    uint32_t index = PA_INVALID_INDEX;
    pa_cvolume volume{};
};

void onSinkState(pa_context*, const pa_sink_info* info, int eol, void* userData) noexcept {
    auto* state = static_cast<SinkState*>(userData);
    if (info != nullptr) {
        state->found = true;
        state->index = info->index;
        state->volume = info->volume;
    }
    if (eol != 0) {
        state->connection->signal();
    }
}

// Lock held. The default sink's index and volume, or nothing.
std::optional<SinkState> queryDefaultSink(const PulseConnection& connection) {
    if (!connection.ready()) {
        return std::nullopt;
    }
    SinkState state{&connection};
    pa_operation* operation =
        pa_context_get_sink_info_by_name(connection.context(), kDefaultSink, &onSinkState, &state);
    if (!connection.complete(operation) || !state.found || state.volume.channels == 0) {
        return std::nullopt;
    }
    return state;
}

struct Acknowledgement {
    const PulseConnection* connection;
    bool success = false;
};

void onAcknowledged(pa_context*, int success, void* userData) noexcept {
    auto* ack = static_cast<Acknowledgement*>(userData);
    ack->success = success != 0;
    ack->connection->signal();
}

}  // namespace

// What the connection's thread keeps between change events. Touched only on
// that thread, and by open() before the watch starts.
struct DefaultSinkVolume::Watch {
    ChangeHandler changed;
    uint32_t sinkIndex = PA_INVALID_INDEX;
    int lastLevel = -1;

    static void onEvent(pa_context* context, pa_subscription_event_type_t type, uint32_t index,
                        void* self) noexcept {
        auto* watch = static_cast<Watch*>(self);
        const auto facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const bool ourSink = facility == PA_SUBSCRIPTION_EVENT_SINK &&
                             (index == watch->sinkIndex || watch->sinkIndex == PA_INVALID_INDEX);
        // A server event may name a new default sink.
        if (ourSink || facility == PA_SUBSCRIPTION_EVENT_SERVER) {
            if (pa_operation* operation =
                    pa_context_get_sink_info_by_name(context, kDefaultSink, &onInfo, watch)) {
                pa_operation_unref(operation);
            }
        }
    }

    static void onInfo(pa_context*, const pa_sink_info* info, int, void* self) noexcept {
        auto* watch = static_cast<Watch*>(self);
        if (info == nullptr || info->volume.channels == 0) {
            return;
        }
        watch->sinkIndex = info->index;
        const int level = levelOf(info->volume.values[0]);
        if (level == watch->lastLevel) {
            return;
        }
        watch->lastLevel = level;
        try {
            if (watch->changed) {
                watch->changed(level);
            }
        } catch (...) {
            // A handler that cannot pass the value on loses this one change.
        }
    }
};

DefaultSinkVolume::DefaultSinkVolume() = default;

DefaultSinkVolume::~DefaultSinkVolume() {
    // The connection (and its thread) goes first: no event reaches the watch
    // after it is gone.
    connection_.reset();
}

Result<std::unique_ptr<DefaultSinkVolume>> DefaultSinkVolume::open(ChangeHandler changed) {
    using Failure = Result<std::unique_ptr<DefaultSinkVolume>>;
    auto connected = PulseConnection::connect("Sonara");
    if (!connected) {
        return Failure::failure(connected.error());
    }
    std::unique_ptr<DefaultSinkVolume> volume(new DefaultSinkVolume);
    volume->connection_ = std::move(connected.value());
    volume->watch_ = std::make_unique<Watch>();
    volume->watch_->changed = std::move(changed);

    const PulseConnection& connection = *volume->connection_;
    PulseConnection::Lock lock(connection);
    const auto sink = queryDefaultSink(connection);
    if (!sink) {
        return Failure::failure("the sound server has no default sink");
    }
    volume->watch_->sinkIndex = sink->index;
    volume->watch_->lastLevel = levelOf(sink->volume.values[0]);
    pa_context_set_subscribe_callback(connection.context(), &Watch::onEvent, volume->watch_.get());
    const auto mask =
        pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER);
    // Without a callback nothing wakes the wait, which then runs to its
    // timeout: every window open would take two seconds.
    Acknowledgement ack{&connection};
    if (!connection.complete(
            pa_context_subscribe(connection.context(), mask, &onAcknowledged, &ack)) ||
        !ack.success) {
        return Failure::failure("the sound server refused to report changes: " +
                                connection.lastError());
    }
    return volume;
}

std::optional<int> DefaultSinkVolume::level() const {
    PulseConnection::Lock lock(*connection_);
    const auto sink = queryDefaultSink(*connection_);
    if (!sink) {
        return std::nullopt;
    }
    return levelOf(sink->volume.values[0]);
}

bool DefaultSinkVolume::setLevel(int level) {
    PulseConnection::Lock lock(*connection_);
    auto sink = queryDefaultSink(*connection_);
    if (!sink) {
        return false;
    }
    pa_cvolume_set(&sink->volume, sink->volume.channels, volumeOf(level));
    Acknowledgement ack{connection_.get()};
    return connection_->complete(pa_context_set_sink_volume_by_index(
               connection_->context(), sink->index, &sink->volume, &onAcknowledged, &ack)) &&
           ack.success;
}

bool DefaultSinkVolume::setMuted(bool muted) {
    PulseConnection::Lock lock(*connection_);
    if (!connection_->ready()) {
        return false;
    }
    Acknowledgement ack{connection_.get()};
    return connection_->complete(pa_context_set_sink_mute_by_name(
               connection_->context(), kDefaultSink, muted ? 1 : 0, &onAcknowledged, &ack)) &&
           ack.success;
}

std::optional<std::string> DefaultSinkVolume::defaultSinkName() const {
    return pulse::defaultSinkName(*connection_);
}

std::optional<std::vector<SinkInfo>> DefaultSinkVolume::sinks() const {
    return listSinks(*connection_);
}

}  // namespace sonara::audio::pulse
