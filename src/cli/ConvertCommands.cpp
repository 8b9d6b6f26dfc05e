#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "audio/convert/WavConversion.h"
#include "cli/Commands.h"
#include "cli/NumberArg.h"
#include "core/app/EventQueue.h"

namespace sonara::cli {

namespace {

// The form is in the command table.
constexpr const char* kUsageLine = "towav";
constexpr int kMaxJobs = 64;

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void noteInterrupt(int) {
    gInterrupted = 1;
}

// SIGINT cancels the conversion (partial WAVs are removed) instead of
// killing the process mid-file; the old handler is back afterwards.
class InterruptGuard {
  public:
    InterruptGuard() {
        gInterrupted = 0;
        struct sigaction action {};
        action.sa_handler = noteInterrupt;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptGuard() { ::sigaction(SIGINT, &previous_, nullptr); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

  private:
    struct sigaction previous_ {};
};

class TerminalListener final : public audio::WavConversionListener {
  public:
    explicit TerminalListener(Context& context) : context_(context) {}

    void statusChanged(const std::string& text) override {
        std::fprintf(context_.out(), "%s\n", text.c_str());
        std::fflush(context_.out());
    }
    void fileFailed(size_t, const std::string& source, const std::string& reason) override {
        context_.report(source + ": " + reason);
    }
    void finished(audio::ConversionOutcome outcome, const std::string& message) override {
        outcome_ = outcome;
        done_ = true;
        std::fprintf(context_.out(), "%s\n", message.c_str());
        std::fflush(context_.out());
    }

    bool done() const { return done_; }
    audio::ConversionOutcome outcome() const { return outcome_; }

  private:
    Context& context_;
    bool done_ = false;
    audio::ConversionOutcome outcome_ = audio::ConversionOutcome::NoneConverted;
};

}  // namespace

int runToWav(Context& context, Args& args) {
    const auto dest = args.takeOption("--dest");
    const auto jobsText = args.takeOption("--jobs");
    const std::vector<std::string> files = args.operands();
    if (args.hasError()) {
        return usage(context, kUsageLine, args.error());
    }
    if (!dest || dest->empty()) {
        return usage(context, kUsageLine, "--dest DIR is needed");
    }
    if (files.empty()) {
        return usage(context, kUsageLine, "no files to convert");
    }
    int jobs = int(std::max(1u, std::thread::hardware_concurrency()));
    if (jobsText) {
        const Result<int> parsed = readNumber(*jobsText, "--jobs", 1, kMaxJobs);
        if (!parsed) {
            return usage(context, kUsageLine, parsed.error());
        }
        jobs = parsed.value();
    }
    // The folder is stored for the dialog, so it must not depend on where
    // this command happened to run.
    std::error_code error;
    std::string folder = std::filesystem::absolute(*dest, error).string();
    if (error) {
        folder = *dest;
    }
    // The preference save needs the data folder.
    if (const Status folders = context.paths().ensureFolders(); !folders) {
        context.report(folders.error());
    }

    EventQueue queue;
    TerminalListener listener(context);
    audio::WavConversion conversion(queue, context.prompter(), context.prefs(), files,
                                    audio::WavConversion::Options{jobs, 500});
    conversion.setListener(&listener);
    InterruptGuard interrupts;
    const audio::WavConversion::StartResult started = conversion.start(folder);
    if (!started.preferencesError.empty()) {
        context.report(started.preferencesError);
    }
    switch (started.outcome) {
        case audio::WavConversion::Start::Started:
            break;
        case audio::WavConversion::Start::Declined:
            context.report("Nothing was converted: " + folder + " does not exist");
            return kFailure;
        case audio::WavConversion::Start::Failed:
        case audio::WavConversion::Start::AlreadyRunning:
            context.report(started.error);
            return kFailure;
    }
    while (!listener.done()) {
        // Short waits, so an interrupt is seen soon; the signal handler
        // itself may only set its flag.
        const auto interruptPending = [&] { return gInterrupted != 0 && !conversion.cancelled(); };
        queue.runUntil([&] { return listener.done() || interruptPending(); },
                       std::chrono::milliseconds(100));
        if (gInterrupted != 0 && !conversion.cancelled()) {
            conversion.cancel();
        }
    }
    return listener.outcome() == audio::ConversionOutcome::Converted ? kSuccess : kFailure;
}

}  // namespace sonara::cli
