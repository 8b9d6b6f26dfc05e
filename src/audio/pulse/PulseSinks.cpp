#include "audio/pulse/PulseSinks.h"

#include <pulse/context.h>
#include <pulse/introspect.h>

#include "audio/pulse/PulseConnection.h"

namespace sonara::audio::pulse {

namespace {

struct SinkQuery {
    const PulseConnection* connection;
    std::vector<SinkInfo> sinks;
    bool failed = false;
};

void onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userData) noexcept {
    auto* query = static_cast<SinkQuery*>(userData);
    try {
        if (eol < 0) {
            query->failed = true;
        } else if (info != nullptr) {
            query->sinks.push_back(SinkInfo{info->index, info->name ? info->name : "",
                                            info->description ? info->description : ""});
        }
    } catch (...) {
        query->failed = true;
    }
    if (eol != 0) {
        query->connection->signal();
    }
}

struct ServerQuery {
    const PulseConnection* connection;
    std::string defaultSink;
    bool failed = false;
};

void onServerInfo(pa_context*, const pa_server_info* info, void* userData) noexcept {
    auto* query = static_cast<ServerQuery*>(userData);
    try {
        if (info == nullptr) {
            query->failed = true;
        } else if (info->default_sink_name != nullptr) {
            query->defaultSink = info->default_sink_name;
        }
    } catch (...) {
        query->failed = true;
    }
    query->connection->signal();
}

}  // namespace

std::optional<std::vector<SinkInfo>> listSinksLocked(const PulseConnection& connection) {
    if (!connection.ready()) {
        return std::nullopt;
    }
    SinkQuery query{&connection, {}};
    pa_operation* operation =
        pa_context_get_sink_info_list(connection.context(), &onSinkInfo, &query);
    if (!connection.complete(operation) || query.failed) {
        return std::nullopt;
    }
    return std::move(query.sinks);
}

std::optional<std::vector<SinkInfo>> listSinks(const PulseConnection& connection) {
    PulseConnection::Lock lock(connection);
    return listSinksLocked(connection);
}

std::optional<std::string> defaultSinkName(const PulseConnection& connection) {
    PulseConnection::Lock lock(connection);
    if (!connection.ready()) {
        return std::nullopt;
    }
    ServerQuery query{&connection, {}};
    pa_operation* operation =
        pa_context_get_server_info(connection.context(), &onServerInfo, &query);
    if (!connection.complete(operation) || query.failed) {
        return std::nullopt;
    }
    return std::move(query.defaultSink);
}

}  // namespace sonara::audio::pulse
