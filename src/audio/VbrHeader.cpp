#include "audio/VbrHeader.h"

#include <algorithm>
#include <cstring>

namespace sonara::audio {

namespace {

constexpr int kDecoderDelay = 529;

uint32_t be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

std::optional<VbrHeader> parseXing(const MpegFrameHeader& header, std::span<const uint8_t> f) {
    // The tag sits right after the side information, which must be all zero
    // (the first two bytes may be a checksum); CRC or not, the place is fixed.
    size_t at = 4 + size_t(header.sideInfoBytes());
    if (f.size() < at + 8) {
        return std::nullopt;
    }
    if (!std::all_of(f.begin() + 6, f.begin() + long(at), [](uint8_t b) { return b == 0; })) {
        return std::nullopt;
    }
    VbrHeader h;
    if (std::memcmp(&f[at], "Xing", 4) == 0) {
        h.kind = VbrHeader::Kind::Xing;
    } else if (std::memcmp(&f[at], "Info", 4) == 0) {
        h.kind = VbrHeader::Kind::Info;
    } else {
        return std::nullopt;
    }
    const uint32_t flags = be32(&f[at + 4]);
    at += 8;
    auto has = [&](size_t n) { return at + n <= f.size(); };
    if ((flags & 1) != 0) {
        if (!has(4)) {
            return h;
        }
        h.frames = be32(&f[at]);
        at += 4;
    }
    if ((flags & 2) != 0) {
        if (!has(4)) {
            return h;
        }
        h.bytes = be32(&f[at]);
        at += 4;
    }
    if ((flags & 4) != 0) {
        if (!has(100)) {
            return h;
        }
        at += 100;  // seek table
    }
    if ((flags & 8) != 0) {
        if (!has(4)) {
            return h;
        }
        at += 4;  // quality
    }
    // An encoder tag follows when its first byte is not zero; delay and
    // padding are two 12-bit numbers at its bytes 21 to 23.
    if (has(24) && f[at] != 0) {
        h.delay = (int(f[at + 21]) << 4) | (f[at + 22] >> 4);
        h.padding = ((int(f[at + 22]) << 8) | f[at + 23]) & 0xFFF;
    }
    return h;
}

std::optional<VbrHeader> parseVbri(std::span<const uint8_t> f) {
    constexpr size_t at = 36;  // after the header and 32 bytes, whatever the mode
    if (f.size() < at + 18 || std::memcmp(&f[at], "VBRI", 4) != 0) {
        return std::nullopt;
    }
    VbrHeader h;
    h.kind = VbrHeader::Kind::Vbri;
    h.bytes = be32(&f[at + 10]);
    h.frames = be32(&f[at + 14]);
    return h;
}

}  // namespace

std::optional<VbrHeader> VbrHeader::parse(const MpegFrameHeader& header,
                                          std::span<const uint8_t> frame) {
    if (header.layer != 3) {
        return std::nullopt;
    }
    if (auto xing = parseXing(header, frame)) {
        return xing;
    }
    return parseVbri(frame);
}

std::optional<int64_t> VbrHeader::playedSamples(const MpegFrameHeader& header) const {
    if (!frames || *frames == 0) {
        return std::nullopt;
    }
    const int64_t spf = header.samplesPerFrame();
    if (kind == Kind::Vbri) {
        return (int64_t(*frames) + 1) * spf;
    }
    const int64_t total = int64_t(*frames) * spf;
    const int64_t begin = kDecoderDelay + delay.value_or(0);
    const int64_t end = std::min(total, total - padding.value_or(0) + kDecoderDelay);
    return std::max<int64_t>(0, end - begin);
}

}  // namespace sonara::audio
