#include "cli/CliPlayList.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>

#include "audio/engine/PlayerSettings.h"
#include "audio/engine/PlayerTexts.h"
#include "cli/Commands.h"
#include "cli/TerminalKeys.h"
#include "core/io/FileAttributes.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::cli {

const char* const kNoOutputHint = "no output devices (is the sound server running?)";

namespace {

using namespace std::chrono_literals;

std::atomic<bool> gInterrupted{false};

void notePlayInterrupt(int) {
    gInterrupted = true;
}

// Puts Ctrl-C's default action back when the run ends.
class InterruptNote {
  public:
    InterruptNote() { previous_ = std::signal(SIGINT, notePlayInterrupt); }
    ~InterruptNote() {
        std::signal(SIGINT, previous_);
        gInterrupted = false;
    }
    InterruptNote(const InterruptNote&) = delete;
    InterruptNote& operator=(const InterruptNote&) = delete;

  private:
    void (*previous_)(int) = SIG_DFL;
};

}  // namespace

CliPlayList::CliPlayList(audio::PlayerHost& host, std::vector<std::string> files, std::FILE* out,
                         std::FILE* err)
    : host_(host),
      files_(std::move(files)),
      out_(out),
      err_(err),
      clearLine_(::isatty(::fileno(out)) != 0 ? "\r\033[K" : "") {}

bool CliPlayList::hasCurrent() const {
    return current_ >= 0 && current_ < int(files_.size());
}

bool CliPlayList::advance(int direction, bool /*force*/) {
    if (direction == 1) {
        return playFrom(current_ + 1, 1);
    }
    // Previous from the first file plays the first file again.
    return playFrom(current_ > 0 ? current_ - 1 : 0, -1);
}

bool CliPlayList::playFrom(int index, int step) {
    for (; index >= 0 && index < int(files_.size()); index += step) {
        current_ = index;
        if (playCurrent()) {
            return true;
        }
        if (finished_) {
            return false;
        }
    }
    if (step > 0) {
        // Past the last file: the run is over.
        host_.stopIfOpen();
        finished_ = true;
    }
    return false;
}

bool CliPlayList::playCurrent() {
    if (!hasCurrent()) {
        return false;
    }
    const std::string& path = files_[size_t(current_)];
    host_.stopIfOpen();
    Status played = host_.open(path);
    if (played) {
        played = host_.play();
    }
    if (played) {
        std::fprintf(out_, "%s%d/%zu %s\n%s\n", clearLine_, current_ + 1, files_.size(),
                     files::namePart(path).c_str(),
                     audio::fileDescription(host_.player(), false).c_str());
        std::fflush(out_);
        return true;
    }
    ++failures_;
    if (played.kind() == ErrorKind::Device) {
        deviceFailed_ = true;
        finished_ = true;  // the engine told the user; nothing else can play
    } else {
        std::fprintf(err_, "sonara-cli: cannot play %s\n", path.c_str());
    }
    return false;
}

void CliPlayList::stopCurrent() {
    host_.stop();
}

CliPlayer::CliPlayer(Context& context, std::optional<int> device)
    : context_(context), host_(queue_, outputs_, context.prompter()) {
    host_.startUp(audio::playerSettings(context.prefs()));
    if (device) {
        host_.useOutputDevice(*device);
    } else if (const Status chosen = audio::chooseOutputDevice(host_, context.prefs()); !chosen) {
        context.report(chosen.error());  // the choice holds for this run all the same
    }
}

void CliPlayer::hintWhenNoServer() {
    if (outputs_.deviceName(0).empty()) {
        context_.report(kNoOutputHint);
    }
}

void CliPlayer::run(audio::PlayListControl& list, const std::function<void()>& start,
                    const std::function<bool()>& finished) {
    std::FILE* out = context_.out();
    PreferenceStore& prefs = context_.prefs();
    const bool terminal = ::isatty(::fileno(out)) != 0;
    auto showTime = [&] {
        if (!terminal || !host_.isPlaying()) {
            return;
        }
        const bool remaining = prefs.values().playerTimeFormat == 1;
        const audio::TimeDisplay time =
            audio::timeDisplay(host_.player().position(), host_.player().length(), remaining);
        std::fprintf(out, "\r%s / %s%s\033[K", time.text.c_str(), time.endLabel.c_str(),
                     host_.isPaused() ? "  (paused)" : "");
        std::fflush(out);
    };
    bool quit = false;
    auto onKey = [&](char key) {
        switch (key) {
            case ' ':
                host_.togglePause();
                break;
            case 'n':
                list.advance(1, true);
                break;
            case 'p':
                list.advance(0, true);
                break;
            case 't':
                prefs.values().playerTimeFormat = prefs.values().playerTimeFormat == 1 ? 0 : 1;
                context_.savePrefs();  // tells of its own failure
                break;
            case 'q':
                quit = true;
                break;
            default:
                return;
        }
        showTime();
    };
    InterruptNote interrupts;
    TerminalKeys keys([&](char key) { queue_.post([&onKey, key] { onKey(key); }); });
    if (keys.active()) {
        std::fprintf(out,
                     "keys: space pause/resume, n next, p previous, t elapsed/remaining, q quit\n");
    }
    // Each tick also notices Ctrl-C.
    TimerHandle display = queue_.startTimer(250, showTime);
    start();
    queue_.runUntil([&] { return quit || finished() || gInterrupted; }, 24h * 365);
    display.stop();
    host_.stopIfOpen();
    if (terminal) {
        std::fprintf(out, "\r\033[K");
    }
}

}  // namespace sonara::cli
