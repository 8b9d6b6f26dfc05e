#include "audio/MpegStreamLength.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "audio/MpegFrameHeader.h"
#include "audio/VbrHeader.h"

namespace sonara::audio {

namespace {

constexpr size_t kBlock = 4096;
// libmpg123 gives up looking for the first frame after this much junk.
constexpr uint64_t kJunkLimit = 65536;
// MPEG-2 layer 2 at 160 kbit/s and 8 kHz, padded.
constexpr size_t kMaxFrameBytes = 2881;

using Outcome = MpegStreamLength::Outcome;

// One contiguous block of the file, kept while the parser looks at it.
class Window {
  public:
    explicit Window(ByteSource& source) : source_(source) {}

    void load(uint64_t offset, size_t n) {
        const uint64_t size = source_.size();
        offset = std::min(offset, size);
        bytes_.resize(size_t(std::min<uint64_t>(n, size - offset)));
        bytes_.resize(source_.readAt(offset, bytes_.data(), bytes_.size()));
        begin_ = offset;
    }
    uint64_t begin() const { return begin_; }
    uint64_t end() const { return begin_ + bytes_.size(); }
    bool covers(uint64_t offset, size_t n) const { return offset >= begin_ && offset + n <= end(); }
    const uint8_t* at(uint64_t offset) const { return bytes_.data() + (offset - begin_); }
    std::span<const uint8_t> span(uint64_t offset, size_t n) const { return {at(offset), n}; }

  private:
    ByteSource& source_;
    uint64_t begin_ = 0;
    std::vector<uint8_t> bytes_;
};

bool startsWith(const Window& w, uint64_t offset, const char* magic) {
    const size_t n = std::strlen(magic);
    return w.covers(offset, n) && std::memcmp(w.at(offset), magic, n) == 0;
}

// Containers whose samples can pass for frame sync. libmpg123 would skip a
// RIFF header and hunt for frames in the PCM data behind it.
bool isOtherContainer(const Window& w, uint64_t offset) {
    for (const char* magic : {"RIFF", "RIFX", "RF64", "FORM", ".snd", "fLaC", "OggS", "MThd",
                              "wvpk", "MAC ", "\x30\x26\xB2\x75"}) {
        if (startsWith(w, offset, magic)) {
            return true;
        }
    }
    return startsWith(w, offset + 4, "ftyp");
}

// Size of a well-formed ID3v2 tag at `offset` (header, body, footer), or 0.
uint64_t id3v2Size(const Window& w, uint64_t offset) {
    if (!w.covers(offset, 10) || std::memcmp(w.at(offset), "ID3", 3) != 0) {
        return 0;
    }
    const uint8_t* h = w.at(offset);
    if (h[3] == 0xFF || h[4] == 0xFF || ((h[6] | h[7] | h[8] | h[9]) & 0x80) != 0) {
        return 0;
    }
    const uint64_t body = uint64_t(h[6]) << 21 | uint64_t(h[7]) << 14 | uint64_t(h[8]) << 7 | h[9];
    return 10 + body + ((h[5] & 0x10) != 0 ? 10 : 0);
}

struct FirstFrame {
    enum class Result { Found, FreeFormat, None, NeedMore } result = Result::None;
    uint64_t offset = 0;
    MpegFrameHeader header;
};

// The first header that is followed by a matching one, as libmpg123 locks on.
FirstFrame findFirstFrame(const Window& w, uint64_t from, uint64_t audioStart, uint64_t size) {
    FirstFrame r;
    for (uint64_t p = from; p < audioStart + kJunkLimit; ++p) {
        if (!w.covers(p, 4)) {
            r.result = w.end() >= size ? FirstFrame::Result::None : FirstFrame::Result::NeedMore;
            r.offset = p;
            return r;
        }
        const auto h = MpegFrameHeader::parse(w.at(p));
        if (!h) {
            continue;
        }
        if (h->freeFormat()) {
            if (p == audioStart) {
                r.result = FirstFrame::Result::FreeFormat;
                return r;
            }
            continue;
        }
        const uint64_t next = p + uint64_t(h->frameBytes());
        if (next + 4 > size) {
            continue;
        }
        if (!w.covers(next, 4)) {
            r.result = FirstFrame::Result::NeedMore;
            r.offset = p;
            return r;
        }
        const auto h2 = MpegFrameHeader::parse(w.at(next));
        if (h2 && !h2->freeFormat() && h2->sameStream(*h)) {
            r = {FirstFrame::Result::Found, p, *h};
            return r;
        }
    }
    return r;
}

struct Chain {
    enum class Stop { WindowEnd, FileEnd, NoHeader };
    uint64_t begin = 0;
    uint64_t end = 0;  // after the last whole frame
    int64_t frames = 0;
    bool oneBitrate = true;
    Stop stop = Stop::WindowEnd;
};

// Consecutive whole frames of the first frame's stream from `from` on.
Chain walkChain(const Window& w, uint64_t from, const MpegFrameHeader& first, uint64_t size) {
    Chain c{from, from, 0, true, Chain::Stop::WindowEnd};
    uint64_t p = from;
    while (true) {
        if (!w.covers(p, 4)) {
            c.stop = (w.end() >= size) ? Chain::Stop::FileEnd : Chain::Stop::WindowEnd;
            return c;
        }
        const auto h = MpegFrameHeader::parse(w.at(p));
        if (!h || h->freeFormat() || !h->sameStream(first)) {
            c.stop = Chain::Stop::NoHeader;
            return c;
        }
        const uint64_t next = p + uint64_t(h->frameBytes());
        if (next > size) {
            c.stop = Chain::Stop::FileEnd;  // a cut last frame is not played
            return c;
        }
        if (next > w.end()) {
            c.stop = Chain::Stop::WindowEnd;
            return c;
        }
        ++c.frames;
        c.oneBitrate = c.oneBitrate && h->bitrateKbps == first.bitrateKbps;
        p = next;
        c.end = p;
    }
}

// Whether the audio plainly ends where a chain stops: the file ends or a tag
// block begins.
bool endsStream(const Window& w, const Chain& c, uint64_t size) {
    if (c.stop == Chain::Stop::FileEnd || c.end + 4 > size) {
        return true;
    }
    for (const char* magic : {"TAG", "APETAGEX", "LYRICS", "SNTG", "ID3", "3DI"}) {
        if (startsWith(w, c.end, magic)) {
            return true;
        }
    }
    return false;
}

// The last run of frames in the window: where the audio ends.
std::optional<Chain> lastChain(const Window& w, const MpegFrameHeader& first, uint64_t size) {
    std::optional<Chain> found;
    for (uint64_t p = w.begin(); p + 4 <= w.end();) {
        const auto h = MpegFrameHeader::parse(w.at(p));
        if (!h || h->freeFormat() || !h->sameStream(first)) {
            ++p;
            continue;
        }
        const Chain c = walkChain(w, p, first, size);
        if (c.frames >= 2 || (c.frames == 1 && endsStream(w, c, size))) {
            found = c;
            p = c.end;
        } else {
            ++p;
        }
    }
    return found;
}

MpegStreamLength measured(int64_t samples, const MpegFrameHeader& h) {
    return {Outcome::Measured, samples, h.sampleRate};
}

MpegStreamLength needsScan(const MpegFrameHeader& h) {
    return {Outcome::NeedsScan, 0, h.sampleRate};
}

MpegStreamLength fromVbrHeader(const VbrHeader& vbr, const MpegFrameHeader& h, uint64_t first,
                               uint64_t size) {
    // A stream shorter than its header says was cut: libmpg123 would trust
    // the header and report the uncut length.
    if (vbr.bytes && *vbr.bytes > 0 && first + *vbr.bytes > size) {
        return needsScan(h);
    }
    const auto samples = vbr.playedSamples(h);
    return samples ? measured(*samples, h) : needsScan(h);
}

// A stream without a header frame: CBR when the frames at both ends carry
// the first frame's bit rate and the last ones start where frames of that
// size would. A VBR stream hardly ever passes both by chance.
MpegStreamLength fromFrames(Window& w, uint64_t first, const MpegFrameHeader& h, uint64_t size) {
    const Chain head = walkChain(w, first, h, size);
    if (head.stop != Chain::Stop::WindowEnd) {
        // The window holds the whole stream: count its frames.
        if (head.stop == Chain::Stop::FileEnd || (w.end() >= size && endsStream(w, head, size))) {
            return measured(head.frames * h.samplesPerFrame(), h);
        }
        return needsScan(h);
    }
    if (!head.oneBitrate) {
        return needsScan(h);
    }
    w.load(size - std::min<uint64_t>(size, kBlock), kBlock);
    const auto tail = lastChain(w, h, size);
    if (!tail || !tail->oneBitrate || tail->begin < first) {
        return needsScan(h);
    }
    const double frameBytes = h.meanFrameBytes();
    const double k = double(tail->begin - first) / frameBytes;
    if (std::abs(k - std::round(k)) * frameBytes > 2.0 * h.slotBytes()) {
        return needsScan(h);
    }
    const auto frames = int64_t(std::llround(double(tail->end - first) / frameBytes));
    return measured(frames * h.samplesPerFrame(), h);
}

}  // namespace

MpegStreamLength measureMpegStream(ByteSource& source) {
    const uint64_t size = source.size();
    Window w(source);
    w.load(0, kBlock);
    if (size < 4 || isOtherContainer(w, 0)) {
        return {};
    }

    uint64_t audioStart = 0;
    while (true) {
        if (!w.covers(audioStart, 10)) {
            w.load(audioStart, kBlock);
        }
        const uint64_t tag = id3v2Size(w, audioStart);
        if (tag == 0) {
            break;
        }
        audioStart += tag;
    }
    if (audioStart >= size || isOtherContainer(w, audioStart)) {
        return {};
    }

    FirstFrame f = findFirstFrame(w, audioStart, audioStart, size);
    if (f.result == FirstFrame::Result::NeedMore) {
        // Junk in front of the first frame: look once through all of it.
        w.load(f.offset, size_t(audioStart + kJunkLimit - f.offset) + 2 * kMaxFrameBytes + 8);
        f = findFirstFrame(w, f.offset, audioStart, size);
    }
    if (f.result != FirstFrame::Result::Found) {
        return {};
    }
    const MpegFrameHeader& h = f.header;
    const size_t frameBytes = size_t(h.frameBytes());
    if (!w.covers(f.offset, frameBytes + 4)) {
        w.load(f.offset, std::max(kBlock, frameBytes + 4));
    }
    if (const auto vbr = VbrHeader::parse(h, w.span(f.offset, frameBytes))) {
        return fromVbrHeader(*vbr, h, f.offset, size);
    }
    return fromFrames(w, f.offset, h, size);
}

}  // namespace sonara::audio
