#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace sonara {

class AtomicFile;

// Writes the data files' encoding through a buffer (large for files, so a
// library of 100,000 songs takes few system calls): 32-bit
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
    void writeBytes(const void* data, size_t size) {
        if (size <= buffer_.size() - used_) {
            if (size != 0) {  // an empty text may have no data pointer at all
                std::memcpy(buffer_.data() + used_, data, size);
            }
            used_ += size;
            return;
        }
        writeBytesSlowly(data, size);
    }

    // Hands the buffered bytes to the sink; false once any write failed.
    bool flush();
    bool ok() const { return ok_; }

  private:
    void writeBytesSlowly(const void* data, size_t size);

    AtomicFile* file_ = nullptr;
    std::vector<uint8_t>* memory_ = nullptr;
    std::vector<uint8_t> buffer_;
    size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace sonara
