#include "core/io/ArchiveReader.h"

#include <algorithm>
#include <cstring>

#include "core/io/Text.h"

namespace sonara {

namespace {

// Large enough that records rarely straddle two reads, small enough that a
// huge hostile file is never held whole.
constexpr size_t kBufferSize = 256 * 1024;

}  // namespace

ArchiveReader::ArchiveReader(std::span<const uint8_t> memory)
    : size_(memory.size()),
      window_(memory.data()),
      cur_(memory.data()),
      end_(memory.data() + memory.size()) {}

ArchiveReader::ArchiveReader(std::FILE* file, uint64_t size) : file_(file), size_(size) {}

bool ArchiveReader::refill() {
    if (file_ == nullptr) {
        return false;
    }
    windowStart_ += uint64_t(end_ - window_);
    const uint64_t left = size_ - windowStart_;
    if (left == 0) {
        return false;
    }
    buffer_.resize(size_t(std::min<uint64_t>(left, kBufferSize)));
    const size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    window_ = cur_ = buffer_.data();
    end_ = window_ + got;
    if (got == 0) {
        size_ = windowStart_;  // the file is shorter than it said
        return false;
    }
    return true;
}

bool ArchiveReader::readBytes(void* data, size_t size) {
    if (!ok_ || size > remaining()) {
        return fail();
    }
    auto* out = static_cast<uint8_t*>(data);
    while (size > 0) {
        if (cur_ == end_ && !refill()) {
            return fail();
        }
        const size_t n = std::min(size, size_t(end_ - cur_));
        std::memcpy(out, cur_, n);
        cur_ += n;
        out += n;
        size -= n;
    }
    return true;
}

bool ArchiveReader::appendBytes(std::string& text, uint64_t length) {
    if (!ok_ || length > remaining()) {
        return fail();
    }
    while (length > 0) {
        if (cur_ == end_ && !refill()) {
            return fail();
        }
        const size_t n = size_t(std::min<uint64_t>(length, uint64_t(end_ - cur_)));
        text.append(reinterpret_cast<const char*>(cur_), n);
        cur_ += n;
        length -= n;
    }
    return true;
}

bool ArchiveReader::readUInt16(uint16_t& value) {
    uint8_t b[2];
    if (!readBytes(b, 2)) {
        return false;
    }
    value = uint16_t(b[0] | (b[1] << 8));
    return true;
}

// Reads a length prefix after which no 0xFFFE marker can follow.
bool ArchiveReader::readLength(uint64_t& length) {
    uint8_t first = 0;
    if (!readByte(first)) {
        return false;
    }
    if (first < 0xFF) {
        length = first;
        return true;
    }
    uint16_t word = 0;
    if (!readUInt16(word)) {
        return false;
    }
    if (word < 0xFFFE) {
        length = word;
        return true;
    }
    if (word == 0xFFFE) {
        return fail();
    }
    uint32_t dword = 0;
    if (!readUInt32(dword)) {
        return false;
    }
    length = dword;
    return true;
}

bool ArchiveReader::readString(std::string& text) {
    text.clear();
    return appendString(text);
}

bool ArchiveReader::readPrefix(uint64_t& length, bool& wide) {
    uint8_t first = 0;
    if (!readByte(first)) {
        return false;
    }
    wide = false;
    length = first;
    if (first == 0xFF) {
        uint16_t word = 0;
        if (!readUInt16(word)) {
            return false;
        }
        length = word;
        if (word == 0xFFFE) {
            // 16-bit characters: the prefix follows again, counted in characters.
            wide = true;
            return readLength(length);
        }
        if (word == 0xFFFF) {
            uint32_t dword = 0;
            if (!readUInt32(dword)) {
                return false;
            }
            length = dword;
        }
    }
    return true;
}

bool ArchiveReader::appendWide(std::string& text, uint64_t length) {
    if (length > remaining() / 2) {
        return fail();
    }
    std::u16string units(length, u'\0');
    for (auto& unit : units) {
        uint16_t u = 0;
        if (!readUInt16(u)) {
            return false;
        }
        unit = char16_t(u);
    }
    text += text::utf16ToUtf8(units);
    return true;
}

bool ArchiveReader::appendString(std::string& text) {
    uint64_t length = 0;
    bool wide = false;
    if (!readPrefix(length, wide)) {
        return false;
    }
    if (wide) {
        return appendWide(text, length);
    }
    const size_t start = text.size();
    if (!appendBytes(text, length)) {
        return false;
    }
    // Only legacy (non-UTF-8) text costs a conversion.
    const std::string_view added = std::string_view(text).substr(start);
    if (!text::isValidUtf8(added)) {
        std::string converted = text::fromLegacy(added);
        text.resize(start);
        text += converted;
    }
    return true;
}

bool ArchiveReader::readStringViewSlowly(std::string_view& text, std::string& scratch) {
    uint64_t length = 0;
    bool wide = false;
    if (!readPrefix(length, wide)) {
        return false;
    }
    if (!wide && length <= uint64_t(end_ - cur_)) {
        const std::string_view bytes(reinterpret_cast<const char*>(cur_), size_t(length));
        if (text::isValidUtf8(bytes)) {
            cur_ += length;
            text = bytes;
            return true;
        }
    }
    scratch.clear();
    const bool read = wide ? appendWide(scratch, length) : appendBytes(scratch, length);
    if (!read) {
        return false;
    }
    if (!wide) {
        scratch = text::fromLegacy(scratch);
    }
    text = scratch;
    return true;
}

}  // namespace sonara
