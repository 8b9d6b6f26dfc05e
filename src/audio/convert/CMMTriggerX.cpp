#include "audio/convert/CMMTriggerX.h"

#include <vector>

#include "audio/convert/CMMMPEGFileX.h"

namespace sonara::audio {

CMMTriggerX::CMMTriggerX(Dispatcher& userInterface) : userInterface_(userInterface) {}

CMMTriggerX::~CMMTriggerX() {
    stop();
}

Status CMMTriggerX::start() {
    stop();
    AudioSink* output = output_;
    if (output == nullptr) {
        if (auto* reader = dynamic_cast<CMMMPEGFileX*>(input_)) {
            output = reader->output();
        }
    }
    if (input_ == nullptr || output == nullptr) {
        return Status::failure("the trigger has no input or no output");
    }
    if (input_->sampleRate() <= 0 || input_->channels() <= 0) {
        return Status::failure(input_->lastError().empty() ? "no file is open"
                                                           : input_->lastError());
    }
    const uint64_t run = ++run_;
    std::weak_ptr<CMMTriggerX*> self = self_;
    Dispatcher& ui = userInterface_;
    AudioSource* input = input_;
    worker_ = std::jthread([run, self, &ui, input, output](const std::stop_token& stop) {
        const Status outcome = move(*input, *output, stop);
        if (stop.stop_requested()) {
            return;
        }
        ui.post([self, run, outcome] {
            if (const auto trigger = self.lock()) {
                (*trigger)->deliver(run, outcome);
            }
        });
    });
    return Status::success();
}

void CMMTriggerX::stop() {
    ++run_;  // whatever the old run already posted is now stale
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
}

Status CMMTriggerX::move(AudioSource& input, AudioSink& output, const std::stop_token& stop) {
    try {
        const int channels = input.channels();
        if (const Status begun = output.begin(input.sampleRate(), channels); !begun) {
            return begun;
        }
        std::vector<int16_t> block(kBlockFrames * size_t(channels));
        while (!stop.stop_requested()) {
            const Result<size_t> got = input.readFrames(block.data(), kBlockFrames);
            if (!got) {
                output.abandon();
                return got.status();
            }
            if (got.value() == 0) {
                return output.finish();
            }
            if (const Status written = output.write(block.data(), got.value()); !written) {
                output.abandon();
                return written;
            }
        }
        output.abandon();
        return Status::failure(ErrorKind::Cancelled, "stopped");
    } catch (const std::exception& e) {
        output.abandon();
        return Status::failure(e.what());
    } catch (...) {
        output.abandon();
        return Status::failure("unexpected failure");
    }
}

void CMMTriggerX::deliver(uint64_t run, const Status& outcome) {
    if (run != run_) {
        return;
    }
    // The worker posted its last word and is ending: this join is immediate.
    if (worker_.joinable()) {
        worker_.join();
    }
    ++run_;
    if (outcome) {
        if (onEndOfFile) {
            onEndOfFile();
        }
    } else if (onError) {
        onError(outcome.error());
    }
}

}  // namespace sonara::audio
