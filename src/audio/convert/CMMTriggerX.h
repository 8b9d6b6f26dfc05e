#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "audio/convert/AudioPipe.h"
#include "core/app/Dispatcher.h"

namespace sonara::audio {

// Moves the audio of a reader to a writer on a worker thread of its own, in
// large blocks, and reports how that ended on the user-interface thread.
// Every member is called on the user-interface thread (the one running the
// Dispatcher's tasks). Exactly one of the two events follows each start()
// that is not stopped first; an event of a run that was stopped is dropped.
class CMMTriggerX {
  public:
    // Frames per block: large enough that the per-block calls cost nothing
    // beside the decoding, small enough that stop() returns at once.
    static constexpr size_t kBlockFrames = 16384;

    explicit CMMTriggerX(Dispatcher& userInterface);
    ~CMMTriggerX();  // stops
    CMMTriggerX(const CMMTriggerX&) = delete;
    CMMTriggerX& operator=(const CMMTriggerX&) = delete;

    // Not owned; they must outlive any run. Without an output the trigger
    // uses its input's, when the input is a reader that has one.
    void setInput(AudioSource* input) { input_ = input; }
    void setOutput(AudioSink* output) { output_ = output; }

    // Starts a run: the output is begun in the input's format and fed until
    // the input ends (the output is then finished) or fails (the output is
    // abandoned). A running trigger is stopped first. Fails when the input or
    // output is missing or the input has no open stream.
    Status start();
    // Ends the run: the worker abandons the output and quits; this waits for
    // it, which takes at most one block's decoding and writing.
    void stop();
    bool running() const { return worker_.joinable(); }

    // Events, run on the user-interface thread.
    std::function<void()> onEndOfFile;
    std::function<void(const std::string& reason)> onError;

  private:
    // Success: the input ended and the output is finished.
    static Status move(AudioSource& input, AudioSink& output, const std::stop_token& stop);
    void deliver(uint64_t run, const Status& outcome);

    Dispatcher& userInterface_;
    AudioSource* input_ = nullptr;
    AudioSink* output_ = nullptr;
    uint64_t run_ = 0;  // user-interface thread only
    std::jthread worker_;
    // Posted events hold it weakly: one arriving after the trigger is gone is dropped.
    std::shared_ptr<CMMTriggerX*> self_ = std::make_shared<CMMTriggerX*>(this);
};

}  // namespace sonara::audio
