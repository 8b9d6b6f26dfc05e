#include "audio/convert/CMMMPEGFileX.h"

namespace sonara::audio {

Status CMMMPEGFileX::setFileName(const std::string& path) {
    close();
    fileName_ = path;
    Result<std::unique_ptr<Decoder>> opened = openDecoder(path);
    if (!opened) {
        error_ = opened.error();
        return opened.status();
    }
    decoder_ = std::move(opened.value());
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

Result<size_t> CMMMPEGFileX::readFrames(int16_t* out, size_t frames) {
    if (!decoder_) {
        return Result<size_t>::failure(ErrorKind::Invalid, "no file is open");
    }
    const Result<size_t> got = decoder_->read(out, frames);
    if (!got) {
        return Result<size_t>::failure(ErrorKind::Damaged,
                                       "the audio data is damaged or cannot be read");
    }
    framesRead_.fetch_add(int64_t(got.value()), std::memory_order_relaxed);
    return got;
}

}  // namespace sonara::audio
