#include "core/io/ArchiveReader.h"

#include <cstring>

#include "core/io/Text.h"

namespace sonara {

ArchiveReader::ArchiveReader(std::span<const uint8_t> memory)
    : memory_(memory), size_(memory.size()) {}

ArchiveReader::ArchiveReader(std::FILE* file, uint64_t size) : file_(file), size_(size) {}

bool ArchiveReader::readBytes(void* data, size_t size) {
    if (!ok_ || size > remaining()) {
        return fail();
    }
    auto* out = static_cast<uint8_t*>(data);
    if (file_ == nullptr) {
        std::memcpy(out, memory_.data() + consumed_, size);
        consumed_ += size;
        return true;
    }
    while (size > 0) {
        if (bufferPos_ == bufferLen_) {
            bufferLen_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
            bufferPos_ = 0;
            if (bufferLen_ == 0) {
                return fail();
            }
        }
        const size_t n = std::min(size, bufferLen_ - bufferPos_);
        std::memcpy(out, buffer_.data() + bufferPos_, n);
        bufferPos_ += n;
        consumed_ += n;
        out += n;
        size -= n;
    }
    return true;
}

bool ArchiveReader::readByte(uint8_t& value) { return readBytes(&value, 1); }

bool ArchiveReader::readUInt16(uint16_t& value) {
    uint8_t b[2];
    if (!readBytes(b, 2)) {
        return false;
    }
    value = uint16_t(b[0] | (b[1] << 8));
    return true;
}

bool ArchiveReader::readUInt32(uint32_t& value) {
    uint8_t b[4];
    if (!readBytes(b, 4)) {
        return false;
    }
    value = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
            (uint32_t(b[3]) << 24);
    return true;
}

bool ArchiveReader::readInt32(int32_t& value) {
    uint32_t raw = 0;
    if (!readUInt32(raw)) {
        return false;
    }
    value = static_cast<int32_t>(raw);
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
    uint8_t first = 0;
    if (!readByte(first)) {
        return false;
    }
    bool wide = false;
    uint64_t length = first;
    if (first == 0xFF) {
        uint16_t word = 0;
        if (!readUInt16(word)) {
            return false;
        }
        length = word;
        if (word == 0xFFFE) {
            // 16-bit characters: the prefix follows again, counted in characters.
            wide = true;
            if (!readLength(length)) {
                return false;
            }
        } else if (word == 0xFFFF) {
            uint32_t dword = 0;
            if (!readUInt32(dword)) {
                return false;
            }
            length = dword;
        }
    }
    if (wide) {
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
        text = text::utf16ToUtf8(units);
        return true;
    }
    if (length > remaining()) {
        return fail();
    }
    std::string raw(length, '\0');
    if (!readBytes(raw.data(), length)) {
        return false;
    }
    text = text::fromLegacy(raw);
    return true;
}

}  // namespace sonara
