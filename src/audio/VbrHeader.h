#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "audio/MpegFrameHeader.h"

namespace sonara::audio {

// The header frame that encoders put in front of layer 3 audio: Xing (VBR) or
// Info (CBR), often followed by a LAME tag, or Fraunhofer's VBRI. Parsed with
// the rules libmpg123 applies, so that lengths derived from it match what the
// decoder plays.
struct VbrHeader {
    enum class Kind { Xing, Info, Vbri };

    Kind kind = Kind::Xing;
    std::optional<uint32_t> frames;  // audio frames after the header frame
    std::optional<uint32_t> bytes;   // stream bytes from the header frame on
    // Encoder delay and padding in samples, from a LAME tag.
    std::optional<int> delay;
    std::optional<int> padding;

    // `frame` holds the whole first frame, header included.
    static std::optional<VbrHeader> parse(const MpegFrameHeader& header,
                                          std::span<const uint8_t> frame);

    // Samples a gapless decoder outputs for this stream: libmpg123 trims its
    // 529-sample decoder delay plus the encoder delay from the front and the
    // encoder padding, less that decoder delay, from the end. VBRI frames are
    // not recognised by libmpg123: it plays the header frame as one silent
    // frame and trims nothing. Nothing when the frame count is unknown.
    std::optional<int64_t> playedSamples(const MpegFrameHeader& header) const;
};

}  // namespace sonara::audio
