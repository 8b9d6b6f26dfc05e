#pragma once

#include <cstddef>
#include <cstdint>

namespace sonara::audio {

// A view of the newest heard frames handed to the analysers: signed 16-bit,
// interleaved, oldest first. Borrowed for the length of one update call.
struct SampleBlock {
    const int16_t* samples = nullptr;
    size_t frames = 0;
    int channels = 0;    // 1 or 2; anything else makes the block unusable
    int sampleRate = 0;  // 0 when the source did not say

    // False for an empty block or one the analysers cannot read; they treat
    // it as silence.
    bool usable() const {
        return samples != nullptr && frames > 0 && (channels == 1 || channels == 2);
    }
};

}  // namespace sonara::audio
