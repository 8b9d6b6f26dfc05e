#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "audio/Decoder.h"
#include "audio/convert/AudioPipe.h"

namespace sonara::audio {

// The conversion's file reader: putting a file name opens the file (MPEG
// audio, or WAV) and the reader then hands its frames to a trigger. The
// owner's thread sets the name and the output, and may read the position and
// length while a trigger's worker thread reads the frames.
class CMMMPEGFileX final : public AudioSource {
  public:
    CMMMPEGFileX() = default;
    CMMMPEGFileX(const CMMMPEGFileX&) = delete;
    CMMMPEGFileX& operator=(const CMMMPEGFileX&) = delete;

    // Closes the file open before and opens `path`; the failure says why the
    // file cannot be played. Not while a trigger reads from this reader.
    Status setFileName(const std::string& path);
    const std::string& fileName() const { return fileName_; }
    void close();

    // Milliseconds decoded so far, and the stream's length (0 when closed).
    int64_t positionMs() const;
    int64_t lengthMs() const { return info_.lengthMs; }

    // The writer this reader feeds; the trigger joining them uses it when it
    // was given no output of its own. Not owned.
    void setOutput(AudioSink* output) { output_ = output; }
    AudioSink* output() const { return output_; }

    int sampleRate() const override { return info_.sampleRate; }
    int channels() const override { return info_.channels; }
    Result<size_t> readFrames(int16_t* out, size_t frames) override;
    std::string lastError() const override { return error_; }

  private:
    std::unique_ptr<Decoder> decoder_;
    StreamInfo info_;
    std::string fileName_;
    std::string error_;
    std::atomic<int64_t> framesRead_{0};
    AudioSink* output_ = nullptr;
};

}  // namespace sonara::audio
