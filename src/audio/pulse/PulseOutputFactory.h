#pragma once

#include <memory>
#include <string>

#include "audio/AudioOutput.h"

namespace sonara::audio::pulse {

// Outputs on the sound server's sinks. Device i is the i-th sink in the
// server's order, named by its description; an index past the last (or -1)
// opens the default sink. Each call asks the server afresh (a short-lived
// connection), so sinks that come and go are seen; without a server,
// deviceName() is empty and the outputs fail to open (a Device failure).
class PulseOutputFactory final : public OutputFactory {
  public:
    std::unique_ptr<AudioOutput> create(int deviceIndex) override;
    std::string deviceName(int index) override;
};

}  // namespace sonara::audio::pulse
