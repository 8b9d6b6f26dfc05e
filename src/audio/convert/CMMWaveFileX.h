#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "audio/SndFile.h"
#include "audio/convert/AudioPipe.h"

namespace sonara::audio {

// The conversion's file writer: a 16-bit PCM RIFF WAV file in the format of
// its input. The samples go to a hidden temporary file beside the target,
// which finish() flushes to disk and renames over the target, so a failed or
// cancelled conversion never leaves a partial WAV under the target's name and
// an existing target stays as it was until the new one is complete.
// The owner's thread sets the name and input; a trigger's worker thread
// calls the AudioSink members while it runs. Abandons an unfinished file
// when destroyed.
class CMMWaveFileX final : public AudioSink {
  public:
    CMMWaveFileX() = default;
    ~CMMWaveFileX() override;
    CMMWaveFileX(const CMMWaveFileX&) = delete;
    CMMWaveFileX& operator=(const CMMWaveFileX&) = delete;

    // The target of the next begin(); its folder must exist.
    void setFileName(std::string path) { target_ = std::move(path); }
    const std::string& fileName() const { return target_; }

    // What a reader is given as its output.
    AudioSink& waveObject() { return *this; }
    // The reader this writer is fed from. Not owned.
    void setInput(AudioSource* input) { input_ = input; }
    AudioSource* input() const { return input_; }

    Status begin(int sampleRate, int channels) override;
    Status write(const int16_t* frames, size_t count) override;
    Status finish() override;
    void abandon() override;

  private:
    static constexpr uint64_t kWritebackWindow = 8 << 20;

    Status fail(const std::string& what, int error);
    void startWriteback();

    std::string target_;
    AudioSource* input_ = nullptr;
    std::string temp_;
    int fd_ = -1;
    std::optional<SndFile> sound_;
    uint64_t written_ = 0;       // sample bytes written, about the file's size
    uint64_t writebackEnd_ = 0;  // where the disk has been asked to write up to
};

}  // namespace sonara::audio
