#include "audio/convert/CMMWaveFileX.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/io/FileAttributes.h"

namespace sonara::audio {

namespace {

struct Temporary {
    int fd = -1;
    std::string name;
};

// A fresh hidden name beside `target`: writers of several jobs, or of several
// processes, never share one. Created with O_EXCL, mode 0666 less the umask.
// The failure's text is the system's reason.
Result<Temporary> createTemporary(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = files::containingFolder(target) + "/." + files::namePart(target) +
                             ".part-" + std::to_string(::getpid()) + "-";
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        Temporary made{-1, stem + std::to_string(counter.fetch_add(1))};
        made.fd =
            ::open(made.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (made.fd >= 0) {
            return made;
        }
        error = errno;
    }
    return Result<Temporary>::failure(ErrorKind::Io, std::strerror(error));
}

}  // namespace

CMMWaveFileX::~CMMWaveFileX() {
    abandon();
}

Status CMMWaveFileX::fail(const std::string& what, int error) {
    abandon();
    return Status::failure(ErrorKind::Io, what + " " + target_ + ": " + std::strerror(error));
}

Status CMMWaveFileX::begin(int sampleRate, int channels) {
    abandon();
    if (target_.empty()) {
        return Status::failure("no WAV file name was given");
    }
    Result<Temporary> made = createTemporary(target_);
    if (!made) {
        return Status::failure(ErrorKind::Io, "Unable to create " + target_ + ": " + made.error());
    }
    fd_ = made->fd;
    temp_ = std::move(made->name);
    Result<SndFile> sound = SndFile::createWav16(fd_, sampleRate, channels);
    if (!sound) {
        abandon();
        return Status::failure("Unable to write " + target_ + ": " + sound.error());
    }
    sound_.emplace(std::move(sound.value()));
    written_ = 0;
    writebackEnd_ = 0;
    return Status::success();
}

Status CMMWaveFileX::write(const int16_t* frames, size_t count) {
    if (!sound_) {
        return Status::failure("no WAV file is open");
    }
    const Status written = sound_->writeFrames(frames, count);
    if (!written) {
        const std::string why = written.error();
        abandon();
        return Status::failure("Unable to write " + target_ + ": " + why);
    }
    written_ += uint64_t(count) * uint64_t(sound_->format().channels) * sizeof(int16_t);
    startWriteback();
    return Status::success();
}

void CMMWaveFileX::startWriteback() {
    // The disk writes each window while the next is decoded, and the one
    // before must be on disk before a third is dirtied: finish()'s fsync then
    // waits for one window, not the whole file, and a long conversion never
    // fills the page cache. Failures here only cost speed; fsync reports.
    while (written_ >= writebackEnd_ + kWritebackWindow) {
        const auto start = off_t(writebackEnd_);
        ::sync_file_range(fd_, start, off_t(kWritebackWindow), SYNC_FILE_RANGE_WRITE);
        if (start >= off_t(kWritebackWindow)) {
            ::sync_file_range(
                fd_, start - off_t(kWritebackWindow), off_t(kWritebackWindow),
                SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
        }
        writebackEnd_ += kWritebackWindow;
    }
}

Status CMMWaveFileX::finish() {
    if (!sound_) {
        return Status::failure("no WAV file is open");
    }
    const Status closed = sound_->close();
    sound_.reset();
    if (!closed) {
        abandon();
        return Status::failure("Unable to write " + target_ + ": " + closed.error());
    }
    if (::fsync(fd_) != 0) {
        return fail("Unable to write", errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        return fail("Unable to write", errno);
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        return fail("Unable to replace", errno);
    }
    temp_.clear();
    files::syncFolder(files::containingFolder(target_));
    return Status::success();
}

void CMMWaveFileX::abandon() {
    sound_.reset();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

}  // namespace sonara::audio
