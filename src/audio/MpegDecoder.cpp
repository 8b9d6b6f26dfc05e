#include "audio/MpegDecoder.h"

#include <algorithm>

#include "audio/MpegStreamLength.h"

namespace sonara::audio {

namespace {

Result<std::unique_ptr<Decoder>> rejected(std::string why) {
    return Result<std::unique_ptr<Decoder>>::failure(ErrorKind::Rejected, std::move(why));
}

}  // namespace

Result<std::unique_ptr<Decoder>> MpegDecoder::open(std::unique_ptr<ReadOnlyFile> file) {
    if (file->size() == 0) {
        return rejected("the file is empty");
    }
    const MpegStreamLength measured = measureMpegStream(*file);
    if (measured.outcome == MpegStreamLength::Outcome::NotMpeg) {
        return rejected(
            "not MPEG audio: no run of frames with a known bit rate (free-format streams are "
            "not played)");
    }
    auto decoder = std::make_unique<Mpg123Decoder>();
    // measureMpegStream reads with pread: the descriptor is still at 0.
    if (!decoder->valid() || !decoder->openDescriptor(file->descriptor())) {
        return rejected("libmpg123 cannot open it: " + decoder->lastError());
    }
    const auto format = decoder->format();
    const auto frame = decoder->frameInfo();
    if (!format || !frame) {
        return rejected("libmpg123 finds no audio frame in it: " + decoder->lastError());
    }

    StreamInfo info;
    info.sampleRate = int(format->sampleRate);
    info.channels = format->channels;
    info.bitRateKbps = frame->bitrateKbps;
    info.layer = frame->layer;
    info.isMpeg = true;
    if (measured.outcome == MpegStreamLength::Outcome::Measured) {
        info.lengthFrames = measured.samples;
    } else {
        // VBR without a header, a cut file: libmpg123's estimate from the
        // file size, as a player shows it before it has read the whole file.
        info.lengthFrames = decoder->lengthSamples().value_or(0);
    }
    info.lengthMs = info.lengthFrames * 1000 / info.sampleRate;
    return std::unique_ptr<Decoder>(new MpegDecoder(std::move(file), std::move(decoder), info));
}

MpegDecoder::MpegDecoder(std::unique_ptr<ReadOnlyFile> file, std::unique_ptr<Mpg123Decoder> decoder,
                         StreamInfo info)
    : file_(std::move(file)),
      decoder_(std::move(decoder)),
      info_(info),
      bytesPerFrame_(size_t(info.channels) * sizeof(int16_t)) {}

Result<size_t> MpegDecoder::read(int16_t* out, size_t frames) {
    if (ended_) {
        return Result<size_t>::failure(ErrorKind::Damaged, "the stream ended on an error");
    }
    const Result<size_t> bytes =
        decoder_->read(reinterpret_cast<uint8_t*>(out), frames * bytesPerFrame_);
    if (!bytes) {
        ended_ = true;
        return bytes;
    }
    return bytes.value() / bytesPerFrame_;
}

bool MpegDecoder::seek(int64_t frame) {
    if (ended_) {
        return false;
    }
    const int64_t limit = info_.lengthFrames > 0 ? info_.lengthFrames : frame;
    return decoder_->seek(std::clamp<int64_t>(frame, 0, limit)).has_value();
}

int MpegDecoder::currentBitRateKbps() const {
    const auto frame = decoder_->frameInfo();
    return frame ? frame->bitrateKbps : info_.bitRateKbps;
}

}  // namespace sonara::audio
