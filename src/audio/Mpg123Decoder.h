#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/io/Result.h"

struct mpg123_handle_struct;

namespace sonara::audio {

// The one wrapper of libmpg123: a decoder handle, created once and reused for
// file after file. Quiet (libmpg123 prints nothing), gapless as libmpg123 is
// built, and always decoding to signed 16-bit samples in native byte order at
// the stream's own rate and channel count. Not thread-safe: one thread uses
// one decoder; separate decoders may run on separate threads.
//
// libmpg123 takes nearly any file for MPEG audio (PCM WAV data passes as
// "free format"), so callers check a file with measureMpegStream first.
class Mpg123Decoder {
  public:
    struct Format {
        long sampleRate = 0;
        int channels = 0;
        int bytesPerSample = 0;  // of one channel's sample in read()'s output: 2
    };
    // The header values of the frame decoded last (the first audio frame
    // right after format()).
    struct FrameInfo {
        int layer = 0;
        int bitrateKbps = 0;
        long sampleRate = 0;
        int channels = 0;
    };

    Mpg123Decoder();
    ~Mpg123Decoder();
    Mpg123Decoder(const Mpg123Decoder&) = delete;
    Mpg123Decoder& operator=(const Mpg123Decoder&) = delete;

    // False when libmpg123 could not make a handle; every call then fails.
    bool valid() const { return handle_ != nullptr; }

    // Each closes the file open before. openDescriptor leaves the descriptor
    // to its owner and reads from its current position.
    // A failure (Rejected) carries libmpg123's reason.
    Status open(const std::string& path);
    Status openDescriptor(int fd);
    void close();

    // Format of the first frame; nothing when the stream has no frame.
    std::optional<Format> format();
    std::optional<FrameInfo> frameInfo();
    // Samples per channel libmpg123 will play: its estimate, exact after
    // scan() or when the stream has a Xing/Info header. Nothing if unknown.
    std::optional<int64_t> lengthSamples();
    // Walks every frame of the open stream (reads the whole file).
    Status scan();
    // Moves the decoding position to `sample` (per channel, from the start of
    // what read() delivers). Forward seeks into frames not yet seen read the
    // file up to there. Returns the position reached, nothing on failure.
    std::optional<int64_t> seek(int64_t sample);
    // Decoded interleaved PCM into `out`: bytes written, 0 at the end of the
    // stream; a failure (Damaged) on a decoding error or when the stream
    // changes its sample rate or channel count midway (the output would no
    // longer match format()).
    Result<size_t> read(uint8_t* out, size_t size);
    // libmpg123's description of the last failure.
    std::string lastError() const;

  private:
    struct HandleDeleter {
        void operator()(mpg123_handle_struct* h) const;
    };
    std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle_;
    bool open_ = false;
    std::optional<Format> format_;  // what read() has been delivering
};

}  // namespace sonara::audio
