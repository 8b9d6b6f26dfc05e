#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/Mpg123Decoder.h"

namespace sonara::testing {

// Samples per channel that libmpg123 plays when it decodes the whole file;
// -1 when it cannot open it.
inline int64_t decodedSamples(const std::string& path) {
    audio::Mpg123Decoder decoder;
    if (!decoder.open(path)) {
        return -1;
    }
    const auto format = decoder.format();
    if (!format) {
        return -1;
    }
    std::vector<uint8_t> buffer(1 << 16);
    int64_t bytes = 0;
    for (;;) {
        const auto got = decoder.read(buffer.data(), buffer.size());
        if (!got || got.value() == 0) {
            break;
        }
        bytes += int64_t(got.value());
    }
    return bytes / (format->channels * format->bytesPerSample);
}

inline int64_t decodedMilliseconds(const std::string& path, int sampleRate) {
    const int64_t samples = decodedSamples(path);
    return samples < 0 ? -1 : samples * 1000 / sampleRate;
}

}  // namespace sonara::testing
