#pragma once

#include <memory>
#include <string>

#include "audio/Decoder.h"
#include "audio/Mpg123Decoder.h"
#include "audio/ReadOnlyFile.h"

namespace sonara::audio {

// MPEG audio (MPEG 1, 2 and 2.5, layers 1 to 3) decoded by libmpg123 to
// 16-bit frames. Owns the file and its own libmpg123 handle. One thread at a
// time; decoders on different threads are independent.
class MpegDecoder final : public Decoder {
  public:
    // Measures the stream first (a few KiB from both ends): files that are
    // not MPEG audio, or whose first frame is in free format, fail here and
    // never reach libmpg123. `file` must be open.
    static Result<std::unique_ptr<Decoder>> open(std::unique_ptr<ReadOnlyFile> file);

    const StreamInfo& info() const override { return info_; }
    Result<size_t> read(int16_t* out, size_t frames) override;
    bool seek(int64_t frame) override;
    int currentBitRateKbps() const override;

  private:
    MpegDecoder(std::unique_ptr<ReadOnlyFile> file, std::unique_ptr<Mpg123Decoder> decoder,
                StreamInfo info);

    std::unique_ptr<ReadOnlyFile> file_;  // outlives decoder_, which reads through it
    std::unique_ptr<Mpg123Decoder> decoder_;
    StreamInfo info_;
    size_t bytesPerFrame_ = 0;
    bool ended_ = false;  // an error ends the stream for good
};

}  // namespace sonara::audio
