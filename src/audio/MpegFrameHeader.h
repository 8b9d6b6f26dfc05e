#pragma once

#include <cstdint>
#include <optional>

namespace sonara::audio {

// One MPEG audio frame header (the first 4 bytes of a frame), as decoders
// read it. A value type; parsing never reads past the 4 bytes it is given.
struct MpegFrameHeader {
    enum class Version { Mpeg1, Mpeg2, Mpeg25 };

    Version version = Version::Mpeg1;
    int layer = 3;
    int bitrateKbps = 0;  // 0: free format, the frame size is not in the header
    int sampleRate = 44100;
    bool padded = false;
    bool crc = false;
    bool mono = false;

    // Nothing for bytes that are no header: no sync, a reserved version, layer
    // or sample rate, or the "bad" bit-rate index 15. Free format parses.
    static std::optional<MpegFrameHeader> parse(const uint8_t* bytes);

    bool freeFormat() const { return bitrateKbps == 0; }
    // Whole frame including the header; 0 for free format.
    int frameBytes() const;
    // Frame size averaged over the padding an encoder adds to keep the bit rate.
    double meanFrameBytes() const;
    // 4 for layer 1, where padding adds a 4-byte slot; 1 otherwise.
    int slotBytes() const { return layer == 1 ? 4 : 1; }
    int samplesPerFrame() const;
    // Layer 3 side information, which a Xing header follows.
    int sideInfoBytes() const;
    // Frames a decoder takes as one stream: same version, layer, sample rate
    // and mono-ness (libmpg123's rule for following headers).
    bool sameStream(const MpegFrameHeader& other) const;
};

}  // namespace sonara::audio
