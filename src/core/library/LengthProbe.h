#pragma once

#include <cstdint>
#include <string>

namespace sonara {

// Tells the play length of an audio file. The library asks it once for every
// new file of a scan, so it must be cheap. Implemented by the audio layer.
class LengthProbe {
  public:
    virtual ~LengthProbe() = default;
    // Length in milliseconds; 0 when the file cannot be opened or decoded.
    virtual int64_t lengthMilliseconds(const std::string& path) = 0;
};

}  // namespace sonara
