// The MPEG audio frame header on arbitrary bytes: only the 4 header bytes are
// read, and a header that parses gives sizes a frame walker can step by.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "FuzzCheck.h"
#include "audio/MpegFrameHeader.h"

using sonara::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using sonara::audio::MpegFrameHeader;
    if (size < 4) {
        return 0;
    }
    // A buffer of exactly 4 bytes, so that a read past them is caught.
    const auto bytes = std::make_unique<uint8_t[]>(4);
    std::copy(data, data + 4, bytes.get());
    const auto h = MpegFrameHeader::parse(bytes.get());
    if (!h) {
        return 0;
    }
    check(h->layer >= 1 && h->layer <= 3);
    check(h->sampleRate >= 8000 && h->sampleRate <= 48000);
    check(h->samplesPerFrame() == 384 || h->samplesPerFrame() == 576 ||
          h->samplesPerFrame() == 1152);
    check(h->sameStream(*h));
    if (h->freeFormat()) {
        check(h->frameBytes() == 0);
        return 0;
    }
    // Every frame holds more than its header (and, in layer 3, its side
    // information, where a Xing header is looked for), and its size differs
    // from the mean by less than one padding slot.
    check(h->frameBytes() > 4 + (h->layer == 3 ? h->sideInfoBytes() : 0));
    check(std::fabs(h->frameBytes() - h->meanFrameBytes()) <= h->slotBytes());
    return 0;
}
