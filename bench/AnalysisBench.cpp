#include "AnalysisBench.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "Stopwatch.h"
#include "audio/SampleTap.h"
#include "audio/analysis/CMMConnectorX.h"
#include "audio/analysis/CMMLevelX.h"
#include "audio/analysis/CMMSpectrumX.h"
#include "audio/analysis/RealFft.h"
#include "audio/analysis/VisualisationApply.h"

namespace sonara::bench {

namespace {

constexpr int kTicks = 5000;  // 100 s of playback
constexpr int kRuns = 7;
constexpr double kTickMs = 20;
constexpr double kBudgetShare = 0.01;  // of one core

// Two seconds of a chord, as a player's history would hold it.
class ChordTap final : public audio::SampleTap {
  public:
    ChordTap() : samples_(size_t(kRate) * 2 * 2) {
        for (size_t i = 0; i < samples_.size() / 2; ++i) {
            const double t = double(i) / kRate;
            const double v = 0.3 * std::sin(2 * std::numbers::pi * 220 * t) +
                             0.2 * std::sin(2 * std::numbers::pi * 1375 * t) +
                             0.1 * std::sin(2 * std::numbers::pi * 6100 * t);
            samples_[2 * i] = int16_t(v * 32767);
            samples_[2 * i + 1] = int16_t(-v * 32767);
        }
    }

    // Moves on by one tick each call, so every tick sees new audio.
    size_t copyHeard(int16_t* out, size_t frames, int& channels, int& sampleRate) const override {
        channels = 2;
        sampleRate = kRate;
        const size_t total = samples_.size() / 2;
        frames = std::min(frames, total);
        position_ = (position_ + size_t(kRate) / 50) % (total - frames);
        std::copy_n(samples_.begin() + std::ptrdiff_t(position_ * 2), frames * 2, out);
        return frames;
    }

  private:
    static constexpr int kRate = 44100;
    std::vector<int16_t> samples_;
    mutable size_t position_ = 0;
};

}  // namespace

void runAnalysisBench(ResultTable& table) {
    std::printf("timing the visualisations over %d ticks...\n", kTicks);
    ChordTap tap;
    audio::CMMSpectrumX large, small;
    audio::CMMLevelX tallLeft, tallRight, shortLeft, shortRight;
    const audio::VisualisationDisplays displays{large,     small,     tallLeft,
                                                tallRight, shortLeft, shortRight};
    applyDisplayTemplates(displays);
    audio::CMMConnectorX first, second;
    first.setInput(&tap);
    second.setInput(&first);
    connectVisualisations(first, second, displays);

    const double chainMs = bestMilliseconds(kRuns, [&] {
        for (int i = 0; i < kTicks; ++i) {
            first.trigger();
            second.trigger();
        }
        gSink = gSink + (long long)(large.bands(0)[10] * 1000 + shortRight.level() * 1000);
    });

    // The physical limit of this design: the four transforms alone.
    Result<audio::RealFft> fft512 = audio::RealFft::create(512);
    Result<audio::RealFft> fft256 = audio::RealFft::create(256);
    if (!fft512 || !fft256) {
        std::printf("no transforms: %s\n",
                    fft512 ? fft256.error().c_str() : fft512.error().c_str());
        return;
    }
    const double transformsMs = bestMilliseconds(kRuns, [&] {
        for (int i = 0; i < kTicks; ++i) {
            for (int channel = 0; channel < 2; ++channel) {
                fft512->input()[1] = float(i);
                fft512->execute();
                fft256->input()[1] = float(i);
                fft256->execute();
            }
        }
        gSink = gSink + (long long)fft512->output()[1].real();
    });

    const double perTickUs = chainMs * 1000 / kTicks;
    table.add({"visualisation tick (2 spectra, 4 meters)", perTickUs, transformsMs * 1000 / kTicks,
               "us", "the four bare transforms", 8.0, kTickMs * 1000 * kBudgetShare,
               "1 % of a core"});
    table.add({"visualisation share of one core", perTickUs / (kTickMs * 1000) * 100,
               kBudgetShare * 100, "%", "budget", 0.5, std::nullopt, ""});
}

}  // namespace sonara::bench
