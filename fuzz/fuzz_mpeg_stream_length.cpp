// The play-length reader on an arbitrary file: it walks frame headers and
// reads a Xing/Info or VBRI frame wherever the bytes lead it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzCheck.h"
#include "audio/ByteSource.h"
#include "audio/MpegStreamLength.h"

namespace {

class BufferSource final : public sonara::audio::ByteSource {
  public:
    BufferSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t size() const override { return size_; }
    size_t readAt(uint64_t offset, uint8_t* into, size_t n) override {
        if (offset >= size_) {
            return 0;
        }
        n = std::min<size_t>(n, size_ - size_t(offset));
        std::memcpy(into, data_ + offset, n);
        return n;
    }

  private:
    const uint8_t* data_;
    size_t size_;
};

}  // namespace

using sonara::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using Outcome = sonara::audio::MpegStreamLength::Outcome;
    BufferSource source(data, size);
    const auto length = sonara::audio::measureMpegStream(source);
    if (length.outcome == Outcome::Measured) {
        check(length.samples >= 0);
        check(length.sampleRate >= 8000 && length.sampleRate <= 48000);
    }
    return 0;
}
