#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/io/Result.h"

struct sf_private_tag;

namespace sonara::audio {

// The one wrapper of libsndfile: an open sound file, read or written as
// interleaved signed 16-bit frames. The descriptor stays its owner's, who
// must keep it open while the SndFile lives. Move-only; closes itself. Not
// thread-safe: one thread uses one file.
class SndFile {
  public:
    struct Format {
        int sampleRate = 0;
        int channels = 0;
        int64_t frames = 0;     // as the header says; 0 for a file being written
        int bitsPerSample = 0;  // of the stored samples (16 for PCM_16, 4 for ADPCM)
        bool seekable = false;
    };

    // Any format libsndfile reads, from the descriptor's current position.
    // Fails with libsndfile's reason for a damaged or foreign file.
    static Result<SndFile> openRead(int fd);
    // A new 16-bit PCM RIFF WAV file on an empty, seekable descriptor opened
    // for writing (close() seeks back to write the final header).
    static Result<SndFile> createWav16(int fd, int sampleRate, int channels);

    SndFile(SndFile&&) noexcept = default;
    SndFile& operator=(SndFile&&) noexcept = default;
    ~SndFile() = default;

    const Format& format() const { return format_; }

    // Up to `frames` frames into `out` (frames × channels samples): frames
    // read, 0 at the end, or a read error (Damaged). Other sample formats are
    // converted, clipping where they exceed 16 bits.
    Result<size_t> readFrames(int16_t* out, size_t frames);
    // All `frames` frames or a failure (a full disk, an I/O error).
    Status writeFrames(const int16_t* in, size_t frames);
    // Moves to `frame`; false when the file cannot seek there.
    bool seek(int64_t frame);
    // Finishes the file (a written file gets its final header sizes) and
    // releases libsndfile's handle; a failure means the file is incomplete.
    // Later calls do nothing and succeed.
    Status close();

    std::string lastError() const;

  private:
    struct Closer {
        void operator()(sf_private_tag* file) const;
    };
    SndFile(sf_private_tag* file, Format format) : file_(file), format_(format) {}

    std::unique_ptr<sf_private_tag, Closer> file_;
    Format format_;
};

}  // namespace sonara::audio
