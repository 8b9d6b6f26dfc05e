#include "audio/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace sonara::audio {

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
    // O_NONBLOCK: a FIFO named like an MP3 must not hang a library scan.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat st {};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ >= 0) {
        size_ = uint64_t(st.st_size);
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0 && owned_) {
        ::close(fd_);
    }
}

size_t ReadOnlyFile::readAt(uint64_t offset, uint8_t* into, size_t n) {
    size_t done = 0;
    while (fd_ >= 0 && done < n) {
        const ssize_t got = ::pread(fd_, into + done, n - done, off_t(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        done += size_t(got);
    }
    return done;
}

}  // namespace sonara::audio
