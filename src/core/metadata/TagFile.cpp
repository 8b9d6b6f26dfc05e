#include "core/metadata/TagFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <utility>

namespace sonara {

std::optional<TagFile> TagFile::openForReading(const std::string& path) {
    return open(path, false);
}

std::optional<TagFile> TagFile::openForWriting(const std::string& path) {
    return open(path, true);
}

std::optional<TagFile> TagFile::open(const std::string& path, bool writable) {
    // O_NONBLOCK keeps open() from waiting on a FIFO; the file type test below
    // then turns it away. Regular files ignore the flag. Never O_CREAT: a tag
    // goes only into a file that exists.
    const int flags = (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return std::nullopt;
    }
    TagFile file(fd, 0);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        return std::nullopt;
    }
    // A file whose owner may not write it is read-only, even for root, who
    // could: the user marked it so.
    if (writable && (st.st_mode & S_IWUSR) == 0) {
        return std::nullopt;
    }
    file.size_ = static_cast<uint64_t>(st.st_size);
    return file;
}

TagFile::TagFile(TagFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

TagFile& TagFile::operator=(TagFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
    }
    return *this;
}

TagFile::~TagFile() {
    close();
}

std::optional<std::vector<uint8_t>> TagFile::readHead(size_t maxBytes) const {
    return readAt(0, size_ < maxBytes ? static_cast<size_t>(size_) : maxBytes);
}

std::optional<std::vector<uint8_t>> TagFile::readTail(size_t maxBytes) const {
    const size_t count = size_ < maxBytes ? static_cast<size_t>(size_) : maxBytes;
    return readAt(size_ - count, count);
}

std::optional<std::vector<uint8_t>> TagFile::readAt(uint64_t offset, size_t count) const {
    std::vector<uint8_t> bytes(count);
    size_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(fd_, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return std::nullopt;  // error, or the file shrank under us
        }
        done += static_cast<size_t>(n);
    }
    return bytes;
}

bool TagFile::writeAt(uint64_t offset, std::span<const uint8_t> bytes) const {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool TagFile::truncate(uint64_t newSize) const {
    int rc = 0;
    do {
        rc = ::ftruncate(fd_, static_cast<off_t>(newSize));
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

bool TagFile::close() {
    if (fd_ < 0) {
        return true;
    }
    // Linux releases the descriptor even when close() fails; never retry.
    const int rc = ::close(std::exchange(fd_, -1));
    return rc == 0 || errno == EINTR;
}

}  // namespace sonara
