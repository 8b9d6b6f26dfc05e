#include "audio/convert/CMMMPEGFileX.h"

namespace sonara::audio {

Status CMMMPEGFileX::setFileName(const std::string& path) {
    close();
    fileName_ = path;
    DecoderOpen opened = openDecoder(path);
    if (!opened.decoder) {
        error_ = opened.error;
        return Status::failure(opened.error);
    }
    decoder_ = std::move(opened.decoder);
    info_ = decoder_->info();
    return Status::success();
}

void CMMMPEGFileX::close() {
    decoder_.reset();
    info_ = StreamInfo{};
    error_.clear();
    framesRead_.store(0, std::memory_order_relaxed);
}

int64_t CMMMPEGFileX::positionMs() const {
    const int rate = info_.sampleRate;
    return rate > 0 ? framesRead_.load(std::memory_order_relaxed) * 1000 / rate : 0;
}

long CMMMPEGFileX::readFrames(int16_t* out, size_t frames) {
    if (!decoder_) {
        error_ = "no file is open";
        return -1;
    }
    const long got = decoder_->read(out, frames);
    if (got < 0) {
        error_ = "the audio data is damaged or cannot be read";
        return -1;
    }
    framesRead_.fetch_add(got, std::memory_order_relaxed);
    return got;
}

}  // namespace sonara::audio
