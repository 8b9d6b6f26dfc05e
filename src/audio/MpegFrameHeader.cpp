#include "audio/MpegFrameHeader.h"

namespace sonara::audio {

namespace {

// [MPEG-1 or not][layer - 1][index], kbit/s; index 15 is invalid.
constexpr int kBitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};

constexpr int kRates[3] = {44100, 48000, 32000};

}  // namespace

std::optional<MpegFrameHeader> MpegFrameHeader::parse(const uint8_t* b) {
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) {
        return std::nullopt;
    }
    const int versionBits = (b[1] >> 3) & 3;
    const int layerBits = (b[1] >> 1) & 3;
    const int bitrateIndex = b[2] >> 4;
    const int rateIndex = (b[2] >> 2) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 15 || rateIndex == 3) {
        return std::nullopt;
    }
    MpegFrameHeader h;
    h.version = versionBits == 3   ? Version::Mpeg1
                : versionBits == 2 ? Version::Mpeg2
                                   : Version::Mpeg25;
    h.layer = 4 - layerBits;
    h.bitrateKbps = kBitrates[h.version == Version::Mpeg1 ? 0 : 1][h.layer - 1][bitrateIndex];
    h.sampleRate = kRates[rateIndex] >> (h.version == Version::Mpeg1   ? 0
                                         : h.version == Version::Mpeg2 ? 1
                                                                       : 2);
    h.crc = (b[1] & 1) == 0;
    h.padded = (b[2] & 2) != 0;
    h.mono = (b[3] >> 6) == 3;
    return h;
}

int MpegFrameHeader::samplesPerFrame() const {
    if (layer == 1) {
        return 384;
    }
    return (layer == 3 && version != Version::Mpeg1) ? 576 : 1152;
}

double MpegFrameHeader::meanFrameBytes() const {
    // Bytes per frame = samples per frame / 8 × bit rate / sample rate.
    return double(samplesPerFrame()) / 8.0 * bitrateKbps * 1000.0 / sampleRate;
}

int MpegFrameHeader::frameBytes() const {
    if (freeFormat()) {
        return 0;
    }
    const int64_t bytesTimesRate = int64_t(samplesPerFrame()) / 8 * bitrateKbps * 1000;
    const int slots = int(bytesTimesRate / slotBytes() / sampleRate) + (padded ? 1 : 0);
    return slots * slotBytes();
}

int MpegFrameHeader::sideInfoBytes() const {
    if (version == Version::Mpeg1) {
        return mono ? 17 : 32;
    }
    return mono ? 9 : 17;
}

bool MpegFrameHeader::sameStream(const MpegFrameHeader& other) const {
    return version == other.version && layer == other.layer && sampleRate == other.sampleRate &&
           mono == other.mono;
}

}  // namespace sonara::audio
