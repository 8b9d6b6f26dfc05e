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
    if (handle_) {
        mpg123_param(handle_.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    }
}

Mpg123Decoder::~Mpg123Decoder() = default;

bool Mpg123Decoder::open(const std::string& path) {
    close();
    open_ = handle_ && mpg123_open(handle_.get(), path.c_str()) == MPG123_OK;
    return open_;
}

bool Mpg123Decoder::openDescriptor(int fd) {
    close();
    open_ = handle_ && mpg123_open_fd(handle_.get(), fd) == MPG123_OK;
    return open_;
}

void Mpg123Decoder::close() {
    if (open_) {
        mpg123_close(handle_.get());
        open_ = false;
    }
}

std::optional<Mpg123Decoder::Format> Mpg123Decoder::format() {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (!open_ || mpg123_getformat(handle_.get(), &rate, &channels, &encoding) != MPG123_OK ||
        rate <= 0 || channels <= 0) {
        return std::nullopt;
    }
    return Format{rate, channels, mpg123_encsize(encoding)};
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

bool Mpg123Decoder::scan() {
    return open_ && mpg123_scan(handle_.get()) == MPG123_OK;
}

long Mpg123Decoder::read(uint8_t* out, size_t size) {
    if (!open_) {
        return -1;
    }
    size_t done = 0;
    while (true) {
        const int rc = mpg123_read(handle_.get(), out, size, &done);
        if (rc == MPG123_NEW_FORMAT && done == 0) {
            continue;  // the first call only reports the format
        }
        if (rc == MPG123_OK || rc == MPG123_NEW_FORMAT || rc == MPG123_DONE) {
            return long(done);
        }
        return -1;
    }
}

}  // namespace sonara::audio
