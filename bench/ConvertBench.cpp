#include "ConvertBench.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Stopwatch.h"
#include "audio/convert/WavConversion.h"
#include "core/app/EventQueue.h"
#include "core/settings/PreferenceStore.h"
#include "support/Mp3Fixture.h"
#include "support/TempDir.h"

extern char** environ;

namespace sonara::bench {

namespace {

constexpr int kRuns = 3;
constexpr double kLongSeconds = 360;
constexpr double kBatchSeconds = 60;
constexpr int kBatchFiles = 8;

class YesPrompter final : public Prompter {
  public:
    void message(const std::string&, Icon) override {}
    Answer ask(const std::string&, Buttons, Icon) override { return Answer::Yes; }
};

// Runs `argv` without a shell, its output discarded; the exit status, or
// 127 when the program is missing.
int runProgram(std::vector<std::string> argv) {
    std::vector<char*> words;
    for (auto& w : argv) {
        words.push_back(w.data());
    }
    words.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, words[0], &actions, nullptr, words.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        return 127;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

// A few minutes of something like music: a chord progression of harmonic
// tones with decaying notes, a bass line and a little noise, so that the
// encoder spends its bits as it would on a record.
void writeMusicWav(const std::string& path, double seconds) {
    const int rate = 44100;
    const auto frames = uint32_t(seconds * rate);
    std::vector<uint8_t> bytes = testing::makeWav(rate, 2, 0);
    bytes.reserve(44 + size_t(frames) * 4);
    static constexpr double kChords[4][3] = {{261.63, 329.63, 392.00},
                                             {220.00, 261.63, 329.63},
                                             {174.61, 220.00, 261.63},
                                             {196.00, 246.94, 293.66}};
    uint32_t noise = 12345;
    for (uint32_t i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const int beat = int(t * 2);  // two notes a second
        const double inNote = t * 2 - beat;
        const double* chord = kChords[(beat / 8) % 4];
        const double envelope = std::exp(-3.0 * inNote);
        double left = 0;
        double right = 0;
        for (int n = 0; n < 3; ++n) {
            const double f = chord[(n + beat) % 3];
            for (int h = 1; h <= 4; ++h) {
                const double partial = std::sin(2 * M_PI * f * h * t) / (h * h);
                left += partial * (n == 0 ? 1.0 : 0.6);
                right += partial * (n == 2 ? 1.0 : 0.6);
            }
        }
        const double bass = std::sin(2 * M_PI * chord[0] / 2 * t) * 0.8;
        noise = noise * 1103515245 + 12345;
        const double hiss = (double((noise >> 16) & 0x7FFF) / 16384.0 - 1.0) * 0.05;
        for (const double v : {left * envelope + bass + hiss, right * envelope + bass - hiss}) {
            const auto sample = int16_t(std::clamp(v * 5000.0, -32767.0, 32767.0));
            bytes.push_back(uint8_t(uint16_t(sample) & 0xFF));
            bytes.push_back(uint8_t(uint16_t(sample) >> 8));
        }
    }
    const uint32_t data = frames * 4;
    for (int k = 0; k < 4; ++k) {
        bytes[4 + size_t(k)] = uint8_t((36 + data) >> (8 * k));
        bytes[40 + size_t(k)] = uint8_t(data >> (8 * k));
    }
    testing::writeBytes(path, bytes);
}

// An MP3 of `seconds`: lame-encoded music when lame runs, else silent frames.
bool makeMp3(const std::string& path, double seconds, const std::string& scratch) {
    const std::string wav = scratch + "/music.wav";
    writeMusicWav(wav, seconds);
    const bool encoded = runProgram({"lame", "--quiet", "-b", "192", wav, path}) == 0;
    std::filesystem::remove(wav);
    if (!encoded) {
        testing::Mp3Spec spec;
        spec.seconds = seconds;
        spec.bitrateKbps = 192;
        testing::writeMp3(path, spec);
    }
    return encoded;
}

// The whole conversion as the dialog runs it, with `jobs` files at a time.
bool convert(const std::vector<std::string>& sources, const std::string& folder, int jobs,
             PreferenceStore& prefs) {
    EventQueue queue;
    YesPrompter prompter;
    audio::WavConversion conversion(queue, prompter, prefs, sources,
                                    audio::WavConversion::Options{jobs, 500});
    struct Done final : audio::WavConversionListener {
        bool done = false;
        bool ok = false;
        void finished(audio::ConversionOutcome outcome, const std::string&) override {
            done = true;
            ok = outcome == audio::ConversionOutcome::Converted;
        }
    } listener;
    conversion.setListener(&listener);
    if (conversion.start(folder).outcome != audio::WavConversion::Start::Started) {
        return false;
    }
    queue.runUntil([&] { return listener.done; }, std::chrono::minutes(10));
    return listener.ok;
}

bool mpg123Converts(const std::vector<std::string>& sources, const std::string& folder) {
    for (const std::string& source : sources) {
        const std::string target = audio::WavConversion::targetPath(folder + "/", source);
        if (runProgram({"mpg123", "-q", "-w", target, source}) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

void runConvertBench(ResultTable& table) {
    testing::TempDir dir;
    const std::string scratch = dir.path().string();
    std::filesystem::create_directories(dir.path() / "mp3");
    std::filesystem::create_directories(dir.path() / "ours");
    std::filesystem::create_directories(dir.path() / "peer");
    std::printf("encoding the conversion corpus...\n");
    const std::string longFile = scratch + "/mp3/long.mp3";
    const bool music = makeMp3(longFile, kLongSeconds, scratch);
    std::vector<std::string> batch;
    makeMp3(scratch + "/mp3/batch 0.mp3", kBatchSeconds, scratch);
    batch.push_back(scratch + "/mp3/batch 0.mp3");
    for (int i = 1; i < kBatchFiles; ++i) {
        batch.push_back(scratch + "/mp3/batch " + std::to_string(i) + ".mp3");
        std::filesystem::copy_file(batch[0], batch.back());
    }
    const std::string kind = music ? "lame 192k music" : "silent frames";

    PreferenceStore prefs(scratch + "/Sonara.ini", scratch);
    const std::string ours = scratch + "/ours";
    const std::string peer = scratch + "/peer";
    const bool hasPeer = runProgram({"mpg123", "--version"}) == 0;

    bool ok = convert({longFile}, ours, 1, prefs);  // warms the page cache
    const double single =
        bestMilliseconds(kRuns, [&] { ok = convert({longFile}, ours, 1, prefs) && ok; });
    const double batched =
        bestMilliseconds(kRuns, [&] { ok = convert(batch, ours, 2, prefs) && ok; });
    if (!ok) {
        std::printf("conversion bench: a conversion failed\n");
    }
    const std::string longName = "6 min " + kind + " to WAV, 1 job";
    const std::string batchName = "8 x 1 min " + kind + ", 2 jobs";
    if (!hasPeer) {
        std::printf("mpg123 is not installed: the conversion peer rows are left out\n");
        table.add({longName, single, single, "ms", "(no mpg123)", {}, {}, {}});
        table.add({batchName, batched, batched, "ms", "(no mpg123)", {}, {}, {}});
        return;
    }
    mpg123Converts({longFile}, peer);
    const double peerSingle = bestMilliseconds(kRuns, [&] { mpg123Converts({longFile}, peer); });
    const double peerBatch = bestMilliseconds(kRuns, [&] { mpg123Converts(batch, peer); });
    table.add({longName, single, peerSingle, "ms", "mpg123 -q -w", 1.0, {}, {}});
    // At least 1.7 times as fast as the peer one file after another.
    table.add({batchName, batched, peerBatch, "ms", "mpg123 -q -w, one by one", 1.0 / 1.7, {}, {}});
    std::printf("conversion corpus: %s, long file %.1f MB, batch file %.1f MB\n", kind.c_str(),
                double(std::filesystem::file_size(longFile)) / 1e6,
                double(std::filesystem::file_size(batch[0])) / 1e6);
}

}  // namespace sonara::bench
