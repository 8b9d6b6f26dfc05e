#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/io/Result.h"

namespace sonara::audio {

// What a decoder knows of its open stream. Values as the player reports them:
// rates in Hz and kbit/s, lengths in milliseconds and in frames (one frame =
// one sample of every channel).
struct StreamInfo {
    int sampleRate = 0;
    int channels = 0;
    int bitRateKbps = 0;  // MPEG: of the first audio frame; WAV: its PCM rate
    int layer = 0;        // MPEG layer 1..3; 0 for WAV
    bool isMpeg = false;
    bool digital = false;  // never set by our decoders; the player reports it
    int64_t lengthFrames = 0;
    int64_t lengthMs = 0;
};

// One decoder backend: MPEG audio (libmpg123) or WAV (libsndfile). Decodes to
// interleaved signed 16-bit samples in the stream's own rate and channels.
// Not thread-safe: one thread uses it at a time (the player's decoding thread).
class Decoder {
  public:
    virtual ~Decoder() = default;

    virtual const StreamInfo& info() const = 0;
    // Decodes up to `frames` frames into `out` (frames × channels samples):
    // frames written, 0 at the end of the stream; a failure (Damaged) ends it.
    virtual Result<size_t> read(int16_t* out, size_t frames) = 0;
    // Moves to `frame` (clamped to the stream); false when the stream cannot.
    virtual bool seek(int64_t frame) = 0;
    // The bit rate of the frames being decoded now (VBR changes it); WAV
    // reports its PCM rate in kbit/s.
    virtual int currentBitRateKbps() const = 0;
};

// Opens `path` with the backend its first bytes call for: a RIFF/WAVE file
// goes to the WAV decoder, anything else must be MPEG audio whose first frame
// has a bit rate. A file that cannot be read fails with Io; free-format,
// garbage and empty files with Rejected. Never throws.
Result<std::unique_ptr<Decoder>> openDecoder(const std::string& path);

}  // namespace sonara::audio
