#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sonara {

// Tells the play length of an audio file. The library asks it once for every
// new file of a scan, so it must be cheap. Implemented by the audio layer.
class LengthProbe {
  public:
    virtual ~LengthProbe() = default;
    // Length in milliseconds; 0 when the file cannot be opened or decoded.
    virtual int64_t lengthMilliseconds(const std::string& path) = 0;
    // The same for a regular file the caller has open for reading (`size`
    // bytes long), so a scan opens each file once. The probe reads with
    // pread only and leaves the descriptor open. Nothing when the probe
    // cannot work on a descriptor: ask by path then.
    virtual std::optional<int64_t> lengthMillisecondsOfOpenFile(int /*descriptor*/,
                                                                uint64_t /*size*/) {
        return std::nullopt;
    }
};

}  // namespace sonara
