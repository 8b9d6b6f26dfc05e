// The Xing/Info and VBRI readers on an arbitrary first frame: its first 4
// bytes are the frame header, the rest its body, cut wherever the input ends.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "audio/MpegFrameHeader.h"
#include "audio/VbrHeader.h"

using sonara::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using sonara::audio::MpegFrameHeader;
    using sonara::audio::VbrHeader;
    if (size < 4) {
        return 0;
    }
    const auto header = MpegFrameHeader::parse(data);
    if (!header) {
        return 0;
    }
    // An exact copy, so that a read past the frame's end is caught.
    const std::vector<uint8_t> frame(data, data + size);
    const auto vbr = VbrHeader::parse(*header, std::span<const uint8_t>(frame));
    if (!vbr) {
        return 0;
    }
    check(header->layer == 3);
    if (vbr->kind == VbrHeader::Kind::Vbri) {
        check(vbr->frames && vbr->bytes && !vbr->delay && !vbr->padding);
    }
    check(vbr->delay.has_value() == vbr->padding.has_value());
    if (vbr->delay) {
        check(*vbr->delay >= 0 && *vbr->delay <= 0xFFF);
        check(*vbr->padding >= 0 && *vbr->padding <= 0xFFF);
    }
    const auto played = vbr->playedSamples(*header);
    check(played.has_value() == (vbr->frames.has_value() && *vbr->frames != 0));
    if (played) {
        check(*played >= 0 && *played <= (int64_t(*vbr->frames) + 1) * 1152);
    }
    return 0;
}
