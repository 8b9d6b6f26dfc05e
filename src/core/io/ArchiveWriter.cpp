#include "core/io/ArchiveWriter.h"

#include <cstring>

#include "core/io/AtomicFile.h"

namespace sonara {

namespace {

constexpr size_t kFileBufferSize = 256 * 1024;
constexpr size_t kMemoryBufferSize = 4096;

}  // namespace

ArchiveWriter::ArchiveWriter(AtomicFile& file) : file_(&file), buffer_(kFileBufferSize) {}
ArchiveWriter::ArchiveWriter(std::vector<uint8_t>& memory)
    : memory_(&memory), buffer_(kMemoryBufferSize) {}
ArchiveWriter::~ArchiveWriter() {
    flush();
}

bool ArchiveWriter::flush() {
    if (used_ != 0) {
        if (memory_ != nullptr) {
            memory_->insert(memory_->end(), buffer_.begin(), buffer_.begin() + long(used_));
        } else if (ok_ && !file_->write(buffer_.data(), used_)) {
            ok_ = false;
        }
        used_ = 0;
    }
    return ok_;
}

void ArchiveWriter::writeBytesSlowly(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (size > 0) {
        if (used_ == buffer_.size()) {
            flush();
        }
        const size_t room = buffer_.size() - used_;
        const size_t n = size < room ? size : room;
        std::memcpy(buffer_.data() + used_, bytes, n);
        used_ += n;
        bytes += n;
        size -= n;
    }
}

void ArchiveWriter::writeByte(uint8_t value) {
    writeBytes(&value, 1);
}

void ArchiveWriter::writeUInt16(uint16_t value) {
    const uint8_t b[2] = {uint8_t(value), uint8_t(value >> 8)};
    writeBytes(b, 2);
}

void ArchiveWriter::writeUInt32(uint32_t value) {
    const uint8_t b[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16),
                          uint8_t(value >> 24)};
    writeBytes(b, 4);
}

void ArchiveWriter::writeString(std::string_view text) {
    const size_t length = text.size();
    if (length < 0xFF) {
        writeByte(uint8_t(length));
    } else if (length < 0xFFFE) {
        writeByte(0xFF);
        writeUInt16(uint16_t(length));
    } else {
        writeByte(0xFF);
        writeUInt16(0xFFFF);
        writeUInt32(uint32_t(length));
    }
    writeBytes(text.data(), length);
}

}  // namespace sonara
