#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct mpg123_handle_struct;

namespace sonara::audio {

// The one wrapper of libmpg123: a decoder handle, created once and reused for
// file after file. Quiet (libmpg123 prints nothing), gapless as libmpg123 is
// built. Not thread-safe: one thread uses one decoder.
//
// libmpg123 takes nearly any file for MPEG audio (PCM WAV data passes as
// "free format"), so callers check a file with measureMpegStream first.
class Mpg123Decoder {
  public:
    struct Format {
        long sampleRate = 0;
        int channels = 0;
        int bytesPerSample = 0;  // of one channel's sample in read()'s output
    };

    Mpg123Decoder();
    ~Mpg123Decoder();
    Mpg123Decoder(const Mpg123Decoder&) = delete;
    Mpg123Decoder& operator=(const Mpg123Decoder&) = delete;

    // False when libmpg123 could not make a handle; every call then fails.
    bool valid() const { return handle_ != nullptr; }

    // Each closes the file open before. openDescriptor leaves the descriptor
    // to its owner and reads from its current position.
    bool open(const std::string& path);
    bool openDescriptor(int fd);
    void close();

    // Format of the first frame; nothing when the stream has no frame.
    std::optional<Format> format();
    // Samples per channel libmpg123 will play: its estimate, exact after
    // scan() or when the stream has a Xing/Info header. Nothing if unknown.
    std::optional<int64_t> lengthSamples();
    // Walks every frame of the open stream (reads the whole file).
    bool scan();
    // Decoded interleaved PCM into `out`: bytes written, 0 at the end of the
    // stream, -1 on a decoding error.
    long read(uint8_t* out, size_t size);

  private:
    struct HandleDeleter {
        void operator()(mpg123_handle_struct* h) const;
    };
    std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle_;
    bool open_ = false;
};

}  // namespace sonara::audio
