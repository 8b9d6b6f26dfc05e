#include "audio/convert/WavConversion.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "audio/convert/ConversionJob.h"
#include "core/app/StringTable.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::audio {

namespace {

int percentOf(const CMMMPEGFileX& reader) {
    const int64_t length = reader.lengthMs();
    if (length <= 0) {
        return 0;
    }
    const long percent = std::lround(double(reader.positionMs()) / double(length) * 100.0);
    return int(std::clamp<long>(percent, 0, 100));
}

}  // namespace

const std::string& conversionMessage(ConversionOutcome outcome) {
    static constexpr TextId texts[] = {
        TextId::ConversionCancelled,
        TextId::ConversionSomeErrors,
        TextId::ConversionSucceeded,
        TextId::ConversionNoneConverted,
    };
    return stringText(texts[int(outcome)]);
}

WavConversion::WavConversion(Dispatcher& userInterface, Prompter& prompter,
                             PreferenceStore& preferences, std::vector<std::string> sources,
                             Options options)
    : userInterface_(userInterface),
      prompter_(prompter),
      preferences_(preferences),
      sources_(std::move(sources)),
      options_(options) {
    options_.jobs = std::max(1, options_.jobs);
}

WavConversion::~WavConversion() {
    jobs_.clear();  // each trigger stops before its reader and writer go
}

std::string WavConversion::fileNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WavConversion::targetPath(const std::string& folder, const std::string& source) {
    const std::string name = fileNameOf(source);
    const size_t dot = name.rfind('.');
    return folder + (dot == std::string::npos ? name + ".wav" : name.substr(0, dot + 1) + "wav");
}

WavConversion::StartResult WavConversion::start(const std::string& folder) {
    StartResult result;
    if (converting_) {
        result.outcome = Start::AlreadyRunning;
        return result;
    }
    if (folder.empty()) {
        // Adding the separator would make it the root folder.
        result.error = stringText(TextId::NoDestinationFolder);
        return result;
    }
    std::string destination = folder;
    if (destination.back() != '/') {
        destination += '/';
    }
    std::error_code error;
    if (!std::filesystem::is_directory(destination, error)) {
        if (prompter_.ask(stringText(TextId::CreateFolderQuestion), Buttons::YesNo,
                          Icon::Question) != Answer::Yes) {
            result.outcome = Start::Declined;
            return result;
        }
    }
    preferences_.values().wavFilesFolder = destination;
    if (const Status saved = preferences_.saveAll(); !saved) {
        result.preferencesError = saved.error();
    }
    std::filesystem::create_directories(destination, error);
    std::error_code unused;
    if (!std::filesystem::is_directory(destination, unused)) {
        result.error = formatText(TextId::FolderNotCreated, destination) +
                       (error ? ": " + error.message() : std::string());
        return result;
    }

    folder_ = destination;
    index_ = 0;
    converting_ = true;
    cancelled_ = error_ = success_ = false;
    const size_t wanted = std::clamp<size_t>(sources_.size(), 1, size_t(options_.jobs));
    while (jobs_.size() < wanted) {
        auto job = std::make_unique<ConversionJob>(userInterface_);
        ConversionJob* raw = job.get();
        job->trigger.onEndOfFile = [this, raw] { fileEnded(*raw); };
        job->trigger.onError = [this, raw](const std::string& reason) { fileFailed(*raw, reason); };
        jobs_.push_back(std::move(job));
    }
    // An empty list finishes at once rather than leaving the dialog converting.
    postNextStep();
    result.outcome = Start::Started;
    return result;
}

void WavConversion::postNextStep() {
    std::weak_ptr<WavConversion*> self = self_;
    userInterface_.post([self] {
        if (const auto conversion = self.lock()) {
            (*conversion)->nextFileStep();
        }
    });
}

ConversionJob* WavConversion::idleJob() {
    for (auto& job : jobs_) {
        if (!job->busy) {
            return job.get();
        }
    }
    return nullptr;
}

bool WavConversion::anyBusy() const {
    return std::any_of(jobs_.begin(), jobs_.end(), [](const auto& job) { return job->busy; });
}

void WavConversion::nextFileStep() {
    if (!converting_) {
        return;
    }
    if (!cancelled_ && index_ < sources_.size()) {
        ConversionJob* job = idleJob();
        if (job == nullptr) {
            return;  // the next file waits for a running one to end
        }
        startFile(*job, index_++);
        // One file per step keeps the status lines in list order.
        if (converting_ && !cancelled_ && index_ < sources_.size() && idleJob() != nullptr) {
            postNextStep();
        }
        return;
    }
    if (!anyBusy()) {
        finish();
    }
}

void WavConversion::startFile(ConversionJob& job, size_t index) {
    const std::string& source = sources_[index];
    if (listener_ != nullptr) {
        listener_->statusChanged(formatText(TextId::ConversionFileStatus, std::to_string(index + 1),
                                            std::to_string(sources_.size())) +
                                 fileNameOf(source));
    }
    if (cancelled_ || !converting_) {
        return;  // the listener cancelled: the step it posted ends the conversion
    }
    job.busy = true;
    job.fileIndex = index;
    if (const Status opened = job.reader.setFileName(source); !opened) {
        fileFailed(job, opened.error());
        return;
    }
    // An existing target is replaced when the new file is complete, not
    // deleted first: a failure leaves it as it was.
    job.writer.setFileName(targetPath(folder_, source));
    if (!progressTimer_.running()) {
        progressTimer_ = userInterface_.startTimer(options_.progressIntervalMs, [this] { tick(); });
    }
    if (const Status started = job.trigger.start(); !started) {
        fileFailed(job, started.error());
    }
}

void WavConversion::release(ConversionJob& job) {
    job.trigger.stop();
    job.reader.close();
    job.busy = false;
}

void WavConversion::fileEnded(ConversionJob& job) {
    release(job);
    if (!cancelled_) {
        success_ = true;
    }
    postNextStep();
}

void WavConversion::fileFailed(ConversionJob& job, const std::string& reason) {
    // Unlike a bare "stop the trigger", the failed file's step moves on: the
    // remaining files are still converted and the conversion finishes.
    error_ = true;
    release(job);
    if (listener_ != nullptr) {
        listener_->fileFailed(job.fileIndex, sources_[job.fileIndex], reason);
    }
    postNextStep();
}

void WavConversion::cancel() {
    if (!converting_ || cancelled_) {
        return;
    }
    cancelled_ = true;
    for (auto& job : jobs_) {
        if (job->busy) {
            release(*job);
        }
    }
    // Stopping raises no event, so the step that finishes is posted here.
    postNextStep();
}

void WavConversion::tick() {
    int sum = 0;
    int busy = 0;
    for (const auto& job : jobs_) {
        if (job->busy) {
            sum += percentOf(job->reader);
            ++busy;
        }
    }
    if (busy > 0 && listener_ != nullptr) {
        listener_->progressChanged(int(std::lround(double(sum) / busy)));
    }
}

void WavConversion::finish() {
    progressTimer_.stop();
    converting_ = false;
    const ConversionOutcome outcome = cancelled_ ? ConversionOutcome::Cancelled
                                      : error_   ? ConversionOutcome::SomeErrors
                                      : success_ ? ConversionOutcome::Converted
                                                 : ConversionOutcome::NoneConverted;
    if (listener_ != nullptr) {
        listener_->finished(outcome, conversionMessage(outcome));
    }
}

}  // namespace sonara::audio
