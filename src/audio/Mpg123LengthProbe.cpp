#include "audio/Mpg123LengthProbe.h"

#include "audio/MpegStreamLength.h"
#include "audio/ReadOnlyFile.h"

namespace sonara::audio {

int64_t Mpg123LengthProbe::lengthMilliseconds(const std::string& path) {
    ReadOnlyFile file(path);
    return measure(file);
}

std::optional<int64_t> Mpg123LengthProbe::lengthMillisecondsOfOpenFile(int descriptor,
                                                                       uint64_t size) {
    ReadOnlyFile file(descriptor, size);
    return measure(file);
}

int64_t Mpg123LengthProbe::measure(ReadOnlyFile& file) {
    if (!file.isOpen()) {
        return 0;
    }
    MpegStreamLength length = measureMpegStream(file);
    if (length.outcome == MpegStreamLength::Outcome::NeedsScan) {
        length.outcome = MpegStreamLength::Outcome::NotMpeg;
        // pread leaves the file position at 0, where libmpg123 starts.
        if (decoder_.openDescriptor(file.descriptor()) && decoder_.scan()) {
            const auto samples = decoder_.lengthSamples();
            const auto format = decoder_.format();
            if (samples && format) {
                length = {MpegStreamLength::Outcome::Measured, *samples, int(format->sampleRate)};
            }
        }
        decoder_.close();
    }
    if (length.outcome != MpegStreamLength::Outcome::Measured || length.sampleRate <= 0) {
        return 0;
    }
    return length.samples * 1000 / length.sampleRate;
}

}  // namespace sonara::audio
