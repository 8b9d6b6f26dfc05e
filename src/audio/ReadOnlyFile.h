#pragma once

#include <string>

#include "audio/ByteSource.h"

namespace sonara::audio {

// A regular file opened for reading; owns the descriptor. Anything else
// (a directory, a FIFO, a device) does not open, and opening never blocks.
class ReadOnlyFile final : public ByteSource {
  public:
    explicit ReadOnlyFile(const std::string& path);
    // Reads through a regular file's descriptor that someone else owns.
    ReadOnlyFile(int borrowedDescriptor, uint64_t size)
        : fd_(borrowedDescriptor), size_(size), owned_(false) {}
    ~ReadOnlyFile() override;
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int descriptor() const { return fd_; }

    uint64_t size() const override { return size_; }
    size_t readAt(uint64_t offset, uint8_t* into, size_t n) override;

  private:
    int fd_ = -1;
    uint64_t size_ = 0;
    bool owned_ = true;
};

}  // namespace sonara::audio
