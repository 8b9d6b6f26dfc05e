#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sonara::audio::pulse {

class PulseConnection;

struct SinkInfo {
    uint32_t index = 0;
    std::string name;         // what a stream connects to ("test")
    std::string description;  // what people see ("Null Output")
};

// Queries of the server's sinks. Each takes the connection's lock itself and
// waits at most PulseConnection::kRequestTimeout; a failure gives nothing.

// The sinks in the server's order (by index).
std::optional<std::vector<SinkInfo>> listSinks(const PulseConnection& connection);
// The name of the server's default sink; empty when it has none.
std::optional<std::string> defaultSinkName(const PulseConnection& connection);

// Lock held: as listSinks, for callers that already hold it.
std::optional<std::vector<SinkInfo>> listSinksLocked(const PulseConnection& connection);

}  // namespace sonara::audio::pulse
