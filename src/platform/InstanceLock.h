#pragma once

#include <chrono>
#include <string>

#include "core/io/Result.h"

namespace sonara::platform {

// An exclusive lock on a lock file (flock), held while the object lives.
// Starts of the program hold it while they decide whether to forward their
// files to a running program or become that program, so that of many
// starts at once exactly one listens. The kernel releases it when a holder
// crashes. Move-only; any thread, but one owner.
class InstanceLock {
  public:
    // Opens (making it, mode 0600, never through a symbolic link) `path` and
    // waits for the lock, at most `patience`. Fails when the file cannot be
    // opened or the lock stays held by another process for that long.
    static Result<InstanceLock> acquire(const std::string& path,
                                        std::chrono::milliseconds patience);

    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

  private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace sonara::platform
