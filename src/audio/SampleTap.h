#pragma once

#include <cstddef>
#include <cstdint>

namespace sonara::audio {

// The audio being heard now, for the analysers. A player keeps the samples it
// has written to its output for a while and hands out those around what the
// listener hears. Any thread may call it; it never blocks for long.
class SampleTap {
  public:
    virtual ~SampleTap() = default;

    // Copies the `frames` most recently heard frames, interleaved signed
    // 16-bit, oldest first, into `out` (room for frames × 2 samples). Returns
    // the frames copied (fewer, or 0, when nothing or less was heard yet)
    // and sets `channels` (1 or 2) and `sampleRate`.
    virtual size_t copyHeard(int16_t* out, size_t frames, int& channels, int& sampleRate) const = 0;
};

}  // namespace sonara::audio
