#pragma once

#include <memory>
#include <string>

#include "audio/Decoder.h"
#include "audio/ReadOnlyFile.h"
#include "audio/SndFile.h"

namespace sonara::audio {

// A RIFF WAV file read through libsndfile as 16-bit frames, whatever its
// stored sample format. Owns the file. One thread at a time.
class WavDecoder final : public Decoder {
  public:
    // `file` must be open and positioned at its start.
    static Result<std::unique_ptr<Decoder>> open(std::unique_ptr<ReadOnlyFile> file);

    const StreamInfo& info() const override { return info_; }
    Result<size_t> read(int16_t* out, size_t frames) override;
    bool seek(int64_t frame) override;
    int currentBitRateKbps() const override { return info_.bitRateKbps; }

  private:
    WavDecoder(std::unique_ptr<ReadOnlyFile> file, SndFile sound);

    std::unique_ptr<ReadOnlyFile> file_;  // outlives sound_, which reads through it
    SndFile sound_;
    StreamInfo info_;
};

}  // namespace sonara::audio
