#include "cli/TerminalPrompter.h"

#include <unistd.h>
#include <chrono>
#include <csignal>
#include <string>

namespace sonara::cli {

namespace {

Answer declined(Buttons buttons) {
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

// Set from the SIGINT handler: the progress dialog's Cancel.
std::atomic<bool> gCancelled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void noteCancel(int) {
    gCancelled.store(true);
}

// SIGINT cancels the running scan instead of killing the process mid-save;
// the old handler is back afterwards.
class CancelOnInterrupt {
  public:
    CancelOnInterrupt() {
        gCancelled.store(false);
        struct sigaction action {};
        action.sa_handler = noteCancel;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &previous_);
    }
    ~CancelOnInterrupt() { ::sigaction(SIGINT, &previous_, nullptr); }
    CancelOnInterrupt(const CancelOnInterrupt&) = delete;
    CancelOnInterrupt& operator=(const CancelOnInterrupt&) = delete;

  private:
    struct sigaction previous_ {};
};

class TerminalProgress final : public Progress {
  public:
    TerminalProgress(std::FILE* out, const std::string& title)
        : out_(out), title_(title), live_(::isatty(::fileno(out)) == 1) {}
    ~TerminalProgress() override {
        if (live_ && shown_ > 0) {
            std::fprintf(out_, "\r\033[K");
            std::fflush(out_);
        }
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void show(std::string_view, std::string_view) override {
        ++shown_;
        if (!live_) {
            return;
        }
        // A few updates a second: a line per file would cost more than the scan.
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ >= std::chrono::milliseconds(100)) {
            last_ = now;
            std::fprintf(out_, "\r\033[K%s: %ld files", title_.c_str(), shown_);
            std::fflush(out_);
        }
    }
    const std::atomic<bool>& cancelFlag() const override { return gCancelled; }

  private:
    std::FILE* out_;
    std::string title_;
    bool live_;
    long shown_ = 0;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace

void TerminalPrompter::message(const std::string& text, Icon /*icon*/) {
    std::fprintf(out_, "%s\n", text.c_str());
    std::fflush(out_);
}

Answer TerminalPrompter::ask(const std::string& text, Buttons buttons, Icon /*icon*/) {
    if (buttons == Buttons::Ok) {
        message(text, Icon::None);
        return Answer::Ok;
    }
    const char* choices = buttons == Buttons::YesNoCancel ? " [y/n/c] " : " [y/n] ";
    if (fixedAnswer_) {
        std::fprintf(out_, "%s%s%s\n", text.c_str(), choices, *fixedAnswer_ ? "y" : "n");
        std::fflush(out_);
        return *fixedAnswer_ ? Answer::Yes : declined(buttons);
    }
    for (;;) {
        std::fprintf(out_, "%s%s", text.c_str(), choices);
        std::fflush(out_);
        const auto line = readLine();
        if (!line) {
            std::fprintf(out_, "\n");
            return declined(buttons);
        }
        const char first = line->empty() ? '\0' : char((*line)[0] | 0x20);
        if (first == 'y') {
            return Answer::Yes;
        }
        if (first == 'n') {
            return Answer::No;
        }
        if (first == 'c' && buttons == Buttons::YesNoCancel) {
            return Answer::Cancel;
        }
    }
}

std::optional<std::string> TerminalPrompter::readLine() {
    std::string line;
    int c = 0;
    while ((c = std::fgetc(in_)) != EOF && c != '\n') {
        line += char(c);
    }
    if (c == EOF && line.empty()) {
        return std::nullopt;
    }
    return line;
}

bool TerminalPrompter::runProgress(const std::string& title, const std::string& /*text*/,
                                   const std::function<bool(Progress&)>& work) {
    CancelOnInterrupt interrupt;
    TerminalProgress progress(out_, title);
    const bool ok = work(progress);
    return ok && !progress.cancelled();
}

std::optional<std::string> TerminalPrompter::askMediaName(
    const std::string& initial, const std::function<std::string(const std::string&)>& check) {
    for (;;) {
        std::string typed = initial;
        if (fixedAnswer_) {
            if (!*fixedAnswer_) {
                return std::nullopt;
            }
        } else {
            std::fprintf(out_, "Name for this removable media [%s]: ", initial.c_str());
            std::fflush(out_);
            const auto line = readLine();
            if (!line) {
                std::fprintf(out_, "\n");
                return std::nullopt;
            }
            if (!line->empty()) {
                typed = *line;
            }
        }
        const std::string problem = check(typed);
        if (problem.empty()) {
            return typed;
        }
        message(problem, Icon::Exclamation);
        if (fixedAnswer_) {
            return std::nullopt;  // the same answer again would meet the same refusal
        }
    }
}

}  // namespace sonara::cli
