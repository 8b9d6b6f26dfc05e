#include "audio/SndFile.h"

#include <sndfile.h>

#include <cstdio>

namespace sonara::audio {

namespace {

int bitsPerSampleOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_S8:
        case SF_FORMAT_PCM_U8:
        case SF_FORMAT_ULAW:
        case SF_FORMAT_ALAW:
            return 8;
        case SF_FORMAT_PCM_24:
            return 24;
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
            return 32;
        case SF_FORMAT_DOUBLE:
            return 64;
        case SF_FORMAT_IMA_ADPCM:
        case SF_FORMAT_MS_ADPCM:
            return 4;
        default:
            return 16;
    }
}

}  // namespace

void SndFile::Closer::operator()(sf_private_tag* file) const {
    sf_close(file);
}

Result<SndFile> SndFile::openRead(int fd) {
    SF_INFO info{};
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_FALSE);
    if (file == nullptr) {
        return Result<SndFile>::failure(sf_strerror(nullptr));
    }
    if (info.samplerate <= 0 || info.channels <= 0) {
        sf_close(file);
        return Result<SndFile>::failure("the file gives no sample rate or channel count");
    }
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return SndFile(file, Format{info.samplerate, info.channels, int64_t(info.frames),
                                bitsPerSampleOf(info.format), info.seekable != 0});
}

Result<SndFile> SndFile::createWav16(int fd, int sampleRate, int channels) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    if (sampleRate <= 0 || channels <= 0 || !sf_format_check(&info)) {
        return Result<SndFile>::failure("no WAV file can hold " + std::to_string(sampleRate) +
                                        " Hz, " + std::to_string(channels) + " channels");
    }
    SNDFILE* file = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
    if (file == nullptr) {
        return Result<SndFile>::failure(sf_strerror(nullptr));
    }
    return SndFile(file, Format{sampleRate, channels, 0, 16, true});
}

Result<size_t> SndFile::readFrames(int16_t* out, size_t frames) {
    if (!file_) {
        return Result<size_t>::failure(ErrorKind::Io, "the file is closed");
    }
    const sf_count_t got = sf_readf_short(file_.get(), out, sf_count_t(frames));
    if (got == 0 && sf_error(file_.get()) != SF_ERR_NO_ERROR) {
        return Result<size_t>::failure(ErrorKind::Damaged, lastError());
    }
    return size_t(got);
}

Status SndFile::writeFrames(const int16_t* in, size_t frames) {
    if (!file_) {
        return Status::failure("the file is closed");
    }
    if (sf_writef_short(file_.get(), in, sf_count_t(frames)) != sf_count_t(frames)) {
        return Status::failure(lastError());
    }
    return Status::success();
}

bool SndFile::seek(int64_t frame) {
    return file_ && format_.seekable && sf_seek(file_.get(), sf_count_t(frame), SEEK_SET) >= 0;
}

Status SndFile::close() {
    if (!file_) {
        return Status::success();
    }
    const int rc = sf_close(file_.release());
    if (rc != SF_ERR_NO_ERROR) {
        return Status::failure(sf_error_number(rc));
    }
    return Status::success();
}

std::string SndFile::lastError() const {
    return sf_strerror(file_.get());
}

}  // namespace sonara::audio
