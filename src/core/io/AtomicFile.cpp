#include "core/io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/io/FileAttributes.h"

namespace sonara {

namespace {

std::string describe(const std::string& what, const std::string& path, int err) {
    return what + " " + path + ": " + std::strerror(err);
}

}  // namespace

AtomicFile::AtomicFile(std::string targetPath) : target_(std::move(targetPath)) {}

AtomicFile::~AtomicFile() {
    discard();
}

void AtomicFile::discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

Status AtomicFile::open() {
    discard();
    writeErrno_ = 0;
    // Hidden name beside the target, so the rename stays on one filesystem.
    const std::string folder = files::containingFolder(target_);
    const size_t slash = target_.rfind('/');
    const std::string base = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    std::string pattern = folder + "/." + base + ".tmp-XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return Status::failure(describe("Unable to create a file in", folder, errno));
    }
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        const int err = errno;
        ::close(fd);
        ::unlink(pattern.c_str());
        return Status::failure(describe("Unable to write", target_, err));
    }
    temp_ = pattern;
    return Status::success();
}

bool AtomicFile::write(const void* data, size_t size) {
    if (file_ == nullptr || writeErrno_ != 0) {
        return false;
    }
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) {
        writeErrno_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

Status AtomicFile::commit() {
    if (file_ == nullptr) {
        return Status::failure("Unable to write " + target_);
    }
    int err = writeErrno_;
    if (err == 0 && std::fflush(file_) != 0) {
        err = errno;
    }
    if (err == 0 && ::fsync(::fileno(file_)) != 0) {
        err = errno;
    }
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (err == 0 && closed != 0) {
        err = errno;
    }
    if (err == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0) {
        err = errno;
    }
    if (err != 0) {
        discard();
        return Status::failure(describe("Unable to write", target_, err));
    }
    temp_.clear();
    files::syncFolder(files::containingFolder(target_));
    return Status::success();
}

Status writeFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    if (Status opened = file.open(); !opened) {
        return opened;
    }
    file.write(bytes.data(), bytes.size());
    return file.commit();
}

}  // namespace sonara
