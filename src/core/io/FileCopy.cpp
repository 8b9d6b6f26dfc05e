#include "core/io/FileCopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace sonara::files {

namespace {

constexpr size_t kBlockSize = 8192;

// Closes a descriptor once.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= size_t(written);
    }
    return true;
}

bool copyOpened(int in, int out) {
    char block[kBlockSize];
    for (;;) {
        const ssize_t got = ::read(in, block, sizeof block);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return ::fsync(out) == 0;
        }
        if (!writeAll(out, block, size_t(got))) {
            return false;
        }
    }
}

}  // namespace

bool copyInBlocks(const std::string& from, const std::string& to, CopyTarget target) {
    Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid()) {
        return false;
    }
    const int mode = target == CopyTarget::NewOnly ? O_EXCL : O_TRUNC;
    Descriptor out(::open(to.c_str(), O_WRONLY | O_CREAT | mode | O_CLOEXEC, 0644));
    if (!out.valid()) {
        return false;
    }
    const bool copied = copyOpened(in.get(), out.get());
    if (out.close() && copied) {
        return true;
    }
    if (target == CopyTarget::NewOnly) {
        std::remove(to.c_str());
    }
    return false;
}

}  // namespace sonara::files
