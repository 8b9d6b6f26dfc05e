#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sonara {

class AtomicFile;

// Writes the data files' encoding through a 4096-byte buffer: 32-bit
// little-endian integers and archive strings (a length prefix of 1, 3 or 7
// bytes, then the bytes). Errors are sticky: check ok() or the sink's result.
class ArchiveWriter {
public:
    explicit ArchiveWriter(AtomicFile& file);
    explicit ArchiveWriter(std::vector<uint8_t>& memory);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    void writeInt32(int32_t value) { writeUInt32(static_cast<uint32_t>(value)); }
    void writeUInt32(uint32_t value);
    void writeUInt16(uint16_t value);
    void writeByte(uint8_t value);
    void writeString(std::string_view text);
    void writeBytes(const void* data, size_t size);

    // Hands the buffered bytes to the sink; false once any write failed.
    bool flush();
    bool ok() const { return ok_; }

private:
    AtomicFile* file_ = nullptr;
    std::vector<uint8_t>* memory_ = nullptr;
    std::array<uint8_t, 4096> buffer_{};
    size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace sonara
