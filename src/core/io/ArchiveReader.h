#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace sonara {

// Reads the data files' encoding from a file (through a 4096-byte buffer) or
// from memory. Bounded: a length prefix larger than what is left of the input
// is damage, never an allocation. Every read returns false once the input is
// exhausted or damaged, and stays false.
class ArchiveReader {
public:
    explicit ArchiveReader(std::span<const uint8_t> memory);
    // Borrows `file`; `size` is the file's length in bytes.
    ArchiveReader(std::FILE* file, uint64_t size);

    bool readInt32(int32_t& value);
    bool readUInt32(uint32_t& value);
    bool readUInt16(uint16_t& value);
    bool readByte(uint8_t& value);
    // An archive string, as UTF-8 (legacy single-byte text is converted; the
    // 16-bit character form is accepted too).
    bool readString(std::string& text);
    bool readBytes(void* data, size_t size);

    uint64_t remaining() const { return size_ - consumed_; }
    bool ok() const { return ok_; }

private:
    bool fail() { return ok_ = false; }
    bool readLength(uint64_t& length);

    std::span<const uint8_t> memory_;
    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    uint64_t consumed_ = 0;
    std::array<uint8_t, 4096> buffer_{};
    size_t bufferPos_ = 0;
    size_t bufferLen_ = 0;
    bool ok_ = true;
};

}  // namespace sonara
