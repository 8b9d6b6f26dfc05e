#pragma once

#include "audio/Mpg123Decoder.h"
#include "core/library/LengthProbe.h"

namespace sonara::audio {

class ReadOnlyFile;

// Play length of MPEG audio files, as libmpg123 would play them. Most files
// are measured from their first and last 4 KiB (measureMpegStream); only a
// stream that gives no trustworthy header (VBR without Xing/VBRI, a cut file
// with a header, junk between frames) is walked frame by frame by libmpg123.
// One decoder handle serves the probe's life. Not thread-safe.
class Mpg123LengthProbe final : public LengthProbe {
  public:
    Mpg123LengthProbe() = default;

    int64_t lengthMilliseconds(const std::string& path) override;
    std::optional<int64_t> lengthMillisecondsOfOpenFile(int descriptor, uint64_t size) override;

  private:
    int64_t measure(ReadOnlyFile& file);
    Mpg123Decoder decoder_;
};

}  // namespace sonara::audio
