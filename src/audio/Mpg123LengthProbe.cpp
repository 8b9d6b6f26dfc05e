#include "audio/Mpg123LengthProbe.h"

#include <mpg123.h>

namespace sonara::audio {

struct Mpg123LengthProbe::Handle {
    mpg123_handle* mh = nullptr;
    ~Handle() {
        if (mh != nullptr) {
            mpg123_delete(mh);
        }
    }
};

Mpg123LengthProbe::Mpg123LengthProbe() : handle_(std::make_unique<Handle>()) {
    int err = MPG123_OK;
    handle_->mh = mpg123_new(nullptr, &err);
    if (handle_->mh != nullptr) {
        mpg123_param(handle_->mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    }
}

Mpg123LengthProbe::~Mpg123LengthProbe() = default;

int64_t Mpg123LengthProbe::lengthMilliseconds(const std::string& path) {
    mpg123_handle* mh = handle_->mh;
    if (mh == nullptr || mpg123_open(mh, path.c_str()) != MPG123_OK) {
        return 0;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    int64_t ms = 0;
    if (mpg123_getformat(mh, &rate, &channels, &encoding) == MPG123_OK && rate > 0) {
        const off_t samples = mpg123_length(mh);
        if (samples > 0) {
            ms = int64_t(samples) * 1000 / rate;
        }
    }
    mpg123_close(mh);
    return ms;
}

}  // namespace sonara::audio
