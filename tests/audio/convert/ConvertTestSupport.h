#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "audio/Decoder.h"
#include "support/TempDir.h"

namespace sonara::testing {

// What a written WAV file holds, from its RIFF header and from libsndfile.
struct WavContents {
    bool valid = false;
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    int64_t frames = 0;      // as libsndfile reads them
    uint32_t dataBytes = 0;  // the header's "data" size
};

inline uint32_t le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | b[at + size_t(i)];
    }
    return v;
}

inline WavContents readWav(const std::string& path) {
    WavContents w;
    const std::vector<uint8_t> b = readBytes(path);
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 16) != "WAVEfmt " || le(b, 20, 2) != 1) {
        return w;
    }
    w.bitsPerSample = int(le(b, 34, 2));
    for (size_t at = 12; at + 8 <= b.size(); at += 8 + le(b, at + 4, 4)) {
        if (std::string(b.begin() + long(at), b.begin() + long(at) + 4) == "data") {
            w.dataBytes = le(b, at + 4, 4);
            break;
        }
    }
    const auto opened = audio::openDecoder(path);
    if (!opened || opened.value()->info().isMpeg) {
        return w;
    }
    w.valid = true;
    const audio::StreamInfo& info = opened.value()->info();
    w.sampleRate = info.sampleRate;
    w.channels = info.channels;
    w.frames = info.lengthFrames;
    return w;
}

// Names in `folder`, hidden ones included.
inline std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Generous: a loaded machine may be slow, the tests never rely on speed.
constexpr std::chrono::milliseconds kPatience{60000};

}  // namespace sonara::testing
