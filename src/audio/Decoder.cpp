#include "audio/Decoder.h"

#include <cstring>
#include <filesystem>

#include "audio/MpegDecoder.h"
#include "audio/ReadOnlyFile.h"
#include "audio/WavDecoder.h"

namespace sonara::audio {

namespace {

std::string whyNotOpen(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return "no such file";
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "not a regular file";
    }
    return "the file cannot be read";
}

bool isRiffWave(ReadOnlyFile& file) {
    uint8_t head[12] = {};
    return file.readAt(0, head, sizeof head) == sizeof head && std::memcmp(head, "RIFF", 4) == 0 &&
           std::memcmp(head + 8, "WAVE", 4) == 0;
}

}  // namespace

Result<std::unique_ptr<Decoder>> openDecoder(const std::string& path) {
    try {
        auto file = std::make_unique<ReadOnlyFile>(path);
        if (!file->isOpen()) {
            return Result<std::unique_ptr<Decoder>>::failure(ErrorKind::Io, whyNotOpen(path));
        }
        if (isRiffWave(*file)) {
            return WavDecoder::open(std::move(file));
        }
        return MpegDecoder::open(std::move(file));
    } catch (const std::exception& e) {
        // Only allocation can throw here; a caller on a decoding thread must
        // get an answer, not an exception.
        return Result<std::unique_ptr<Decoder>>::failure(
            ErrorKind::Other, std::string("cannot open the file: ") + e.what());
    }
}

}  // namespace sonara::audio
