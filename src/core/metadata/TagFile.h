#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sonara {

// An open regular file for reading or patching its tag blocks in place. Owns
// the descriptor and closes it on destruction; close() reports the error the
// destructor would swallow. Only regular files open: a FIFO or device would
// block or never end.
class TagFile {
  public:
    static std::optional<TagFile> openForReading(const std::string& path);
    static std::optional<TagFile> openForWriting(const std::string& path);

    TagFile(TagFile&& other) noexcept;
    TagFile& operator=(TagFile&& other) noexcept;
    TagFile(const TagFile&) = delete;
    TagFile& operator=(const TagFile&) = delete;
    ~TagFile();

    // Size when the file was opened.
    uint64_t size() const { return size_; }

    // The first or last min(size(), maxBytes) bytes; nullopt when a read
    // failed.
    std::optional<std::vector<uint8_t>> readHead(size_t maxBytes) const;
    std::optional<std::vector<uint8_t>> readTail(size_t maxBytes) const;
    // Writes all of `bytes` at `offset` (growing the file when needed).
    bool writeAt(uint64_t offset, std::span<const uint8_t> bytes) const;
    bool truncate(uint64_t newSize) const;
    // Closes now; false when the system reports a (possibly delayed) error.
    bool close();

  private:
    TagFile(int fd, uint64_t size) : fd_(fd), size_(size) {}
    static std::optional<TagFile> open(const std::string& path, bool writable);
    std::optional<std::vector<uint8_t>> readAt(uint64_t offset, size_t count) const;

    int fd_ = -1;
    uint64_t size_ = 0;
};

}  // namespace sonara
