#include "audio/WavDecoder.h"

#include <algorithm>

namespace sonara::audio {

Result<std::unique_ptr<Decoder>> WavDecoder::open(std::unique_ptr<ReadOnlyFile> file) {
    Result<SndFile> sound = SndFile::openRead(file->descriptor());
    if (!sound) {
        return Result<std::unique_ptr<Decoder>>::failure(
            ErrorKind::Rejected, "not a readable WAV file: " + sound.error());
    }
    return std::unique_ptr<Decoder>(new WavDecoder(std::move(file), std::move(sound.value())));
}

WavDecoder::WavDecoder(std::unique_ptr<ReadOnlyFile> file, SndFile sound)
    : file_(std::move(file)), sound_(std::move(sound)) {
    const SndFile::Format& f = sound_.format();
    info_.sampleRate = f.sampleRate;
    info_.channels = f.channels;
    info_.bitRateKbps = int(int64_t(f.sampleRate) * f.channels * f.bitsPerSample / 1000);
    info_.lengthFrames = std::max<int64_t>(0, f.frames);
    info_.lengthMs = info_.lengthFrames * 1000 / f.sampleRate;
}

Result<size_t> WavDecoder::read(int16_t* out, size_t frames) {
    return sound_.readFrames(out, frames);
}

bool WavDecoder::seek(int64_t frame) {
    return sound_.seek(std::clamp<int64_t>(frame, 0, info_.lengthFrames));
}

}  // namespace sonara::audio
