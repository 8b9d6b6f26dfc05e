#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <utility>

#include "core/app/StringTable.h"

namespace sonara::platform {

Result<InstanceLock> InstanceLock::acquire(const std::string& path,
                                           std::chrono::milliseconds patience) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        return Result<InstanceLock>::failure(
            ErrorKind::Io,
            formatText(TextId::InstanceRefused, path,
                       formatText(TextId::InstanceSystemError, std::strerror(error))));
    }
    InstanceLock lock(fd);
    // Polled rather than blocking, so that a hung holder cannot hang every
    // later start for ever.
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= giveUp) {
            return Result<InstanceLock>::failure(ErrorKind::Other,
                                                 formatText(TextId::InstanceLockBusy, path));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return lock;
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
    }
}

}  // namespace sonara::platform
