#include "audio/Mpg123Decoder.h"

#include <mpg123.h>

namespace sonara::audio {

namespace {

bool initialiseLibrary() {
    // Needed by libmpg123 before 1.27, a no-op after; runs once per process.
    static const bool ok = mpg123_init() == MPG123_OK;
    return ok;
}

}  // namespace

void Mpg123Decoder::HandleDeleter::operator()(mpg123_handle_struct* h) const {
    mpg123_close(h);
    mpg123_delete(h);
}

Mpg123Decoder::Mpg123Decoder() {
    if (!initialiseLibrary()) {
        return;
    }
    int error = MPG123_OK;
    handle_.reset(mpg123_new(nullptr, &error));
    if (!handle_) {
        return;
    }
    mpg123_handle* h = handle_.get();
    // ID3v2 tags are read elsewhere; skipping them spares libmpg123 a copy
    // of every tag, however large it claims to be.
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_SKIP_ID3V2, 0);
    // Signed 16-bit at every rate, mono or stereo as the stream is: the format
    // table persists across opens of this handle.
    if (mpg123_format_none(h) != MPG123_OK ||
        mpg123_format2(h, 0, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK) {
        handle_.reset();
    }
}

Mpg123Decoder::~Mpg123Decoder() = default;

Status Mpg123Decoder::open(const std::string& path) {
    close();
    open_ = handle_ && mpg123_open(handle_.get(), path.c_str()) == MPG123_OK;
    return open_ ? Status::success() : Status::failure(ErrorKind::Rejected, lastError());
}

Status Mpg123Decoder::openDescriptor(int fd) {
    close();
    open_ = handle_ && mpg123_open_fd(handle_.get(), fd) == MPG123_OK;
    return open_ ? Status::success() : Status::failure(ErrorKind::Rejected, lastError());
}

void Mpg123Decoder::close() {
    if (open_) {
        mpg123_close(handle_.get());
        open_ = false;
    }
    format_.reset();
}

std::optional<Mpg123Decoder::Format> Mpg123Decoder::format() {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (!open_ || mpg123_getformat(handle_.get(), &rate, &channels, &encoding) != MPG123_OK ||
        rate <= 0 || channels <= 0) {
        return std::nullopt;
    }
    const Format f{rate, channels, mpg123_encsize(encoding)};
    if (!format_) {
        format_ = f;
    }
    return f;
}

std::optional<Mpg123Decoder::FrameInfo> Mpg123Decoder::frameInfo() {
    mpg123_frameinfo2 info{};
    if (!open_ || mpg123_info2(handle_.get(), &info) != MPG123_OK) {
        return std::nullopt;
    }
    return FrameInfo{info.layer, info.bitrate, info.rate, info.mode == MPG123_M_MONO ? 1 : 2};
}

std::optional<int64_t> Mpg123Decoder::lengthSamples() {
    if (!open_) {
        return std::nullopt;
    }
    const off_t samples = mpg123_length(handle_.get());
    if (samples < 0) {
        return std::nullopt;
    }
    return int64_t(samples);
}

Status Mpg123Decoder::scan() {
    if (open_ && mpg123_scan(handle_.get()) == MPG123_OK) {
        return Status::success();
    }
    return Status::failure(ErrorKind::Damaged, open_ ? lastError() : "no stream is open");
}

std::optional<int64_t> Mpg123Decoder::seek(int64_t sample) {
    if (!open_ || sample < 0) {
        return std::nullopt;
    }
    const off_t reached = mpg123_seek(handle_.get(), off_t(sample), SEEK_SET);
    if (reached < 0) {
        return std::nullopt;
    }
    return int64_t(reached);
}

Result<size_t> Mpg123Decoder::read(uint8_t* out, size_t size) {
    if (!open_) {
        return Result<size_t>::failure(ErrorKind::Io, "no stream is open");
    }
    // libmpg123 reports each format change once, with no data; a bound keeps
    // a misbehaving stream from spinning here.
    for (int formatReports = 0; formatReports < 4; ++formatReports) {
        size_t done = 0;
        const int rc = mpg123_read(handle_.get(), out, size, &done);
        if (rc == MPG123_NEW_FORMAT) {
            const std::optional<Format> before = format_;
            const auto now = format();
            if (before && now &&
                (now->sampleRate != before->sampleRate || now->channels != before->channels)) {
                return Result<size_t>::failure(
                    ErrorKind::Damaged, "the stream changes its sample rate or channels midway");
            }
            if (done == 0) {
                continue;
            }
            return done;
        }
        if (rc == MPG123_OK || rc == MPG123_DONE) {
            return done;
        }
        return Result<size_t>::failure(ErrorKind::Damaged, lastError());
    }
    return Result<size_t>::failure(ErrorKind::Damaged, "the stream keeps changing its format");
}

std::string Mpg123Decoder::lastError() const {
    if (!handle_) {
        return "libmpg123 could not be initialised";
    }
    return mpg123_strerror(handle_.get());
}

}  // namespace sonara::audio
