#include "audio/pulse/PulseOutputFactory.h"

#include "audio/pulse/PulseConnection.h"
#include "audio/pulse/PulseOutput.h"
#include "audio/pulse/PulseSinks.h"

namespace sonara::audio::pulse {

std::unique_ptr<AudioOutput> PulseOutputFactory::create(int deviceIndex) {
    return PulseOutput::atPosition(deviceIndex);
}

std::string PulseOutputFactory::deviceName(int index) {
    if (index < 0) {
        return {};
    }
    auto connection = PulseConnection::connect("Sonara");
    if (!connection) {
        return {};
    }
    const auto sinks = listSinks(*connection.value());
    if (!sinks || size_t(index) >= sinks->size()) {
        return {};
    }
    return (*sinks)[size_t(index)].description;
}

}  // namespace sonara::audio::pulse
