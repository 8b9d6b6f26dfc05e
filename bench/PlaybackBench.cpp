#include "PlaybackBench.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ResultTable.h"
#include "Stopwatch.h"
#include "audio/analysis/CMMLevelX.h"
#include "audio/analysis/CMMSpectrumX.h"
#include "audio/analysis/VisualisationApply.h"
#include "audio/engine/PlayerHost.h"
#include "audio/engine/PlayerSettings.h"
#include "audio/pulse/PulseOutputFactory.h"
#include "core/app/EventQueue.h"
#include "core/app/Prompter.h"
#include "core/settings/PreferenceStore.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

namespace sonara::bench {

namespace {

using namespace std::chrono_literals;

constexpr double kSongSeconds = 30;
constexpr int kStartRuns = 21;

class QuietPrompter final : public Prompter {
  public:
    void message(const std::string& text, Icon) override { std::printf("%s\n", text.c_str()); }
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::No; }
};

}  // namespace

// A song with audio in it when the encoder is at hand (silent frames decode
// faster than music), else the fixtures' silent frames.
std::string makeBenchSong(const testing::TempDir& dir) {
    const std::string mp3 = dir.file("song.mp3");
    const std::string wav = dir.file("song.wav");
    testing::writeBytes(wav, testing::makeWav(44100, 2, kSongSeconds));
    const pid_t child = ::fork();
    if (child == 0) {
        ::execlp("lame", "lame", "--quiet", "-b", "192", wav.c_str(), mp3.c_str(),
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
        WEXITSTATUS(status) == 0) {
        return mp3;
    }
    testing::Mp3Spec spec;
    spec.seconds = kSongSeconds;
    spec.bitrateKbps = 192;
    testing::writeMp3(mp3, spec);
    std::printf("(playback bench: no encoder, playing silent frames)\n");
    return mp3;
}

void runPlaybackBench(ResultTable& table) {
    audio::pulse::PulseOutputFactory outputs;
    if (outputs.deviceName(0).empty()) {
        std::printf(
            "(playback bench skipped: no sound server; run it through scripts/with-pulse)\n");
        return;
    }
    testing::TempDir dir;
    const std::string song = makeBenchSong(dir);
    EventQueue queue;
    PreferenceStore prefs(dir.file("Sonara.ini"), dir.path().string());
    (void)prefs.loadAll();  // a fresh folder: the defaults
    QuietPrompter prompter;
    audio::PlayerHost host(queue, outputs, prompter);
    host.setDisplaysShown(true);  // the main window is open: the fast timer feeds it
    host.startUp(audio::playerSettings(prefs));
    // A choice that could not be written back still holds for the bench.
    static_cast<void>(audio::chooseOutputDevice(host, prefs));
    bool ended = false;
    auto onEnded = host.player().onEnded;
    host.player().onEnded = [&] {
        ended = true;
        onEnded();
    };
    bool started = false;
    auto onStarted = host.player().onStarted;
    host.player().onStarted = [&] {
        started = true;
        onStarted();
    };

    // Play to the started event, median of several starts.
    std::vector<double> starts;
    for (int i = 0; i < kStartRuns; ++i) {
        started = false;
        const auto begin = std::chrono::steady_clock::now();
        if (!host.open(song) || !host.play()) {
            std::printf("(playback bench: the song would not play)\n");
            return;
        }
        queue.runUntil([&] { return started; }, 5s);
        starts.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count());
        host.stop();
    }
    std::sort(starts.begin(), starts.end());

    // A whole song with the main window's six displays fed on every fast
    // tick, as the window wires them.
    audio::CMMSpectrumX large;
    audio::CMMSpectrumX small;
    audio::CMMLevelX tallLeft, tallRight, shortLeft, shortRight;
    audio::VisualisationDisplays displays{large, small, tallLeft, tallRight, shortLeft, shortRight};
    audio::applyDisplayTemplates(displays);
    audio::connectVisualisations(host.firstConnector(), host.secondConnector(), displays);
    ended = false;
    const double cpuBefore = cpuMilliseconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    if (!host.open(song) || !host.play()) {
        return;
    }
    queue.runUntil([&] { return ended; }, std::chrono::seconds(int(kSongSeconds) + 30));
    const double cpu = cpuMilliseconds() - cpuBefore;
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallBefore)
            .count();
    audio::disconnectVisualisations(host.firstConnector(), host.secondConnector());

    table.add({"Play to the started event (median)",
               starts[starts.size() / 2],
               50.0,
               "ms",
               "the 50 ms a listener notices",
               1.0,
               {},
               {}});
    table.add({"playback CPU, " + std::to_string(int(kSongSeconds)) + " s song",
               cpu,
               wall,
               "ms",
               "the song's wall time",
               0.02,
               {},
               {}});
}

}  // namespace sonara::bench
