#pragma once

#include <unistd.h>

#include <utility>

namespace sonara::platform {

// Owns one file descriptor and closes it when it goes. close() reports the
// error a written file's last bytes may still bring (a full or pulled-out
// device), which the destructor cannot.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { (void)close(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            (void)close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Gives the descriptor up to a new owner (fdopendir).
    int release() { return std::exchange(fd_, -1); }
    // 0, or -1 with errno set.
    int close() { return fd_ >= 0 ? ::close(std::exchange(fd_, -1)) : 0; }

  private:
    int fd_ = -1;
};

}  // namespace sonara::platform
