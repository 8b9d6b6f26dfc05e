#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sonara {

// Reads the data files' encoding from a file (through a buffer) or from
// memory. Bounded: a length prefix larger than what is left of the input is
// damage, never an allocation. Every read returns false once the input is
// exhausted or damaged, and stays false.
//
// Reads that the buffer holds are served inline; a library of 100,000
// records costs little more than reading its bytes.
class ArchiveReader {
  public:
    explicit ArchiveReader(std::span<const uint8_t> memory);
    // Borrows `file`; `size` is the file's length in bytes.
    ArchiveReader(std::FILE* file, uint64_t size);

    bool readInt32(int32_t& value) {
        uint32_t raw = 0;
        const bool read = readUInt32(raw);
        value = static_cast<int32_t>(raw);
        return read;
    }
    bool readUInt32(uint32_t& value) {
        if (ok_ && end_ - cur_ >= 4) {
            value = uint32_t(cur_[0]) | (uint32_t(cur_[1]) << 8) | (uint32_t(cur_[2]) << 16) |
                    (uint32_t(cur_[3]) << 24);
            cur_ += 4;
            return true;
        }
        uint8_t b[4];
        if (!readBytes(b, 4)) {
            return false;
        }
        value = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
                (uint32_t(b[3]) << 24);
        return true;
    }
    bool readUInt16(uint16_t& value);
    bool readByte(uint8_t& value) {
        if (ok_ && cur_ < end_) {
            value = *cur_++;
            return true;
        }
        return readBytes(&value, 1);
    }
    // An archive string, as UTF-8 (legacy single-byte text is converted; the
    // 16-bit character form is accepted too).
    bool readString(std::string& text);
    // The same, appended to `text`; on failure `text` may hold a partial tail.
    bool appendString(std::string& text);
    // The same as a view: of the input itself when the string's bytes are at
    // hand and already UTF-8 (no copy), else of `scratch`, which holds the
    // converted text. The view lasts until the next read or refill.
    bool readStringView(std::string_view& text, std::string& scratch) {
        // The common case inline: a short ASCII string wholly at hand.
        if (ok_ && cur_ < end_ && *cur_ < 0xFF) {
            const size_t length = *cur_;
            const uint8_t* bytes = cur_ + 1;
            if (size_t(end_ - bytes) >= length && isAscii(bytes, length)) {
                cur_ = bytes + length;
                text = std::string_view(reinterpret_cast<const char*>(bytes), length);
                return true;
            }
        }
        return readStringViewSlowly(text, scratch);
    }
    bool readBytes(void* data, size_t size);
    // The input from the current position that is at hand without a read
    // (all the rest, for a reader over memory), for a caller's own fast path;
    // consume() then moves past what it used, at most bytesAtHand().size().
    std::span<const uint8_t> bytesAtHand() const {
        return ok_ ? std::span<const uint8_t>(cur_, end_) : std::span<const uint8_t>();
    }
    void consume(size_t count) { cur_ += count; }

    uint64_t remaining() const { return size_ - (windowStart_ + uint64_t(cur_ - window_)); }
    bool ok() const { return ok_; }

  private:
    static bool isAscii(const uint8_t* bytes, size_t length) {
        uint64_t high = 0;
        size_t i = 0;
        for (; i + 8 <= length; i += 8) {
            uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            high |= word;
        }
        for (; i < length; ++i) {
            high |= bytes[i];
        }
        return (high & 0x8080808080808080ULL) == 0;
    }
    bool readStringViewSlowly(std::string_view& text, std::string& scratch);
    bool fail() { return ok_ = false; }
    bool refill();
    bool readLength(uint64_t& length);
    bool readPrefix(uint64_t& length, bool& wide);
    bool appendWide(std::string& text, uint64_t length);
    bool appendBytes(std::string& text, uint64_t length);

    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    std::vector<uint8_t> buffer_;      // file mode only
    const uint8_t* window_ = nullptr;  // bytes at hand: [cur_, end_)
    const uint8_t* cur_ = nullptr;
    const uint8_t* end_ = nullptr;
    uint64_t windowStart_ = 0;  // input offset of window_
    bool ok_ = true;
};

}  // namespace sonara
