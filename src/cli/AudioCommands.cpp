#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>

#include "audio/MasterVolume.h"
#include "audio/NullOutput.h"
#include "audio/engine/PlayerHost.h"
#include "audio/engine/PlayerTexts.h"
#include "audio/player/CMMAudioPlayerX.h"
#include "audio/pulse/PulseOutputFactory.h"
#include "cli/CliPlayList.h"
#include "cli/Commands.h"
#include "cli/TerminalKeys.h"
#include "core/app/EventQueue.h"
#include "core/settings/PreferenceStore.h"

namespace sonara::cli {

namespace {

using namespace std::chrono_literals;

std::atomic<bool> gInterrupted{false};

void notePlayInterrupt(int) {
    gInterrupted = true;
}

std::optional<int> parseInt(const std::string& text) {
    try {
        size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) {
            return value;
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// Puts Ctrl-C's default action back when the command ends.
class InterruptNote {
  public:
    InterruptNote() { previous_ = std::signal(SIGINT, notePlayInterrupt); }
    ~InterruptNote() { std::signal(SIGINT, previous_); }
    InterruptNote(const InterruptNote&) = delete;
    InterruptNote& operator=(const InterruptNote&) = delete;

  private:
    void (*previous_)(int) = SIG_DFL;
};

}  // namespace

int runInfo(Context& context, Args& args) {
    const char* line = "info FILE";
    const auto files = args.operands();
    if (args.hasError() || files.size() != 1) {
        return usage(context, line, args.error());
    }
    EventQueue queue;
    audio::NullOutputFactory outputs;
    audio::CMMAudioPlayerX player(queue, outputs);
    if (const Status opened = player.setFileName(files[0]); !opened) {
        context.report(files[0] + ": " + opened.error());
        return kFailure;
    }
    audio::StreamDescription stream;
    stream.bitRateKbps = player.bitRate();
    stream.digital = player.digital() == 1;
    stream.channels = player.channels();
    stream.sampleRateHz = player.sampleRate();
    stream.isMpeg = player.isMpeg() != 0;
    stream.layer = player.layer();
    if (stream.sampleRateHz == 0) {
        context.report(files[0] + ": the file cannot be decoded");
        return kFailure;
    }
    std::fprintf(context.out(), "%s\nLength: %s\n", audio::fileDescription(stream, false).c_str(),
                 audio::formatPlayTime(player.length() / 1000).c_str());
    return kSuccess;
}

int runDevices(Context& context, Args& args) {
    const auto operands = args.operands();
    if (args.hasError() || !operands.empty()) {
        return usage(context, "devices", args.error());
    }
    audio::pulse::PulseOutputFactory outputs;
    for (int i = 0;; ++i) {
        const std::string name = outputs.deviceName(i);
        if (name.empty()) {
            if (i == 0) {
                context.report("no output devices (is the sound server running?)");
                return kFailure;
            }
            return kSuccess;
        }
        std::fprintf(context.out(), "%d %s\n", i, name.c_str());
    }
}

int runVolume(Context& context, Args& args) {
    const char* line = "volume | volume set VALUE";
    const auto operands = args.operands();
    if (args.hasError() || (!operands.empty() && (operands.size() != 2 || operands[0] != "set"))) {
        return usage(context, line, args.error());
    }
    std::optional<int> value;
    if (!operands.empty()) {
        value = parseInt(operands[1]);
        if (!value || *value < 0 || *value > 65535) {
            return usage(context, line, "VALUE must be a number from 0 to 65535");
        }
    }
    EventQueue queue;
    audio::MasterVolume volume(queue);
    if (!volume.hasVolumeControl()) {
        context.report("no master volume control (is the sound server running?)");
        return kFailure;
    }
    if (!value) {
        std::fprintf(context.out(), "%d\n", volume.getVolume().value_or(-1));
        return kSuccess;
    }
    volume.setVolume(*value);
    return kSuccess;
}

int runPlay(Context& context, Args& args) {
    const char* line = "play [--device INDEX] FILE...";
    const std::optional<std::string> deviceText = args.takeOption("--device");
    const auto files = args.operands();
    if (args.hasError() || files.empty()) {
        return usage(context, line, args.error());
    }
    std::optional<int> device;
    if (deviceText) {
        device = parseInt(*deviceText);
        if (!device || *device < 0) {
            return usage(context, line, "INDEX must be a device number from `sonara-cli devices`");
        }
    }
    EventQueue queue;
    audio::pulse::PulseOutputFactory outputs;
    PreferenceStore& prefs = context.prefs();
    audio::PlayerHost host(queue, outputs, prefs, context.prompter());
    host.startUp();
    if (device) {
        host.player().setDeviceId(*device);
        host.lengthProbe().setDeviceId(*device);
    } else {
        host.chooseOutputDevice();
    }
    CliPlayList list(host, files, context.out(), context.err());
    host.setPlayList(&list);

    const bool terminal = ::isatty(::fileno(context.out())) != 0;
    auto showTime = [&] {
        if (!terminal || !host.isPlaying()) {
            return;
        }
        const bool remaining = prefs.values().playerTimeFormat == 1;
        const audio::TimeDisplay time =
            audio::timeDisplay(host.player().position(), host.player().length(), remaining);
        std::fprintf(context.out(), "\r%s / %s%s\033[K", time.text.c_str(), time.endLabel.c_str(),
                     host.isPaused() ? "  (paused)" : "");
        std::fflush(context.out());
    };
    bool quit = false;
    auto onKey = [&](char key) {
        switch (key) {
            case ' ':
                host.togglePause();
                break;
            case 'n':
                list.advance(1, true);
                break;
            case 'p':
                list.advance(0, true);
                break;
            case 't':
                prefs.values().playerTimeFormat = prefs.values().playerTimeFormat == 1 ? 0 : 1;
                context.savePrefs();
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
    TerminalKeys keys([&](char key) { queue.post([&onKey, key] { onKey(key); }); });
    if (keys.active()) {
        std::fprintf(context.out(),
                     "keys: space pause/resume, n next, p previous, t elapsed/remaining, q quit\n");
    }
    // Each tick also notices Ctrl-C.
    constexpr int kDisplayTimer = 1;
    queue.startTimer(kDisplayTimer, 250, showTime);
    list.advance(1, true);
    queue.runUntil([&] { return quit || list.finished() || gInterrupted; }, 24h * 365);
    queue.killTimer(kDisplayTimer);
    host.stopIfOpen();
    if (terminal) {
        std::fprintf(context.out(), "\r\033[K");
    }
    gInterrupted = false;
    return list.failures() == 0 ? kSuccess : kFailure;
}

}  // namespace sonara::cli
