#include "audio/analysis/CMMSpectrumX.h"

#include <algorithm>
#include <cmath>

namespace sonara::audio {

namespace {

constexpr int kMinFftLength = 8;
constexpr int kMaxFftLength = 4096;
constexpr int kMaxGainIndex = 8;
constexpr float kLogRangeDb = 60;

// The nearest power of two in range; between two, the smaller.
int nearestFftLength(int length) {
    int best = kMinFftLength;
    for (int p = kMinFftLength; p <= kMaxFftLength; p *= 2) {
        if (std::abs(int64_t(length) - p) < std::abs(int64_t(length) - best)) {
            best = p;
        }
    }
    return best;
}

float heightOf(float amplitude, bool logAmp) {
    if (!logAmp) {
        return std::min(amplitude, 1.0f);
    }
    if (amplitude <= 0) {
        return 0;
    }
    const float db = 20 * std::log10(amplitude);
    return std::clamp((db + kLogRangeDb) / kLogRangeDb, 0.0f, 1.0f);
}

}  // namespace

CMMSpectrumX::CMMSpectrumX() {
    rebuildTransform();
    rebuildTables();
}

void CMMSpectrumX::setKind(int kind) {
    kind_ = SpectrumKind(std::clamp(kind, int(SpectrumKind::Bars), int(SpectrumKind::Peaks)));
}

void CMMSpectrumX::setSpace(int pixels) {
    space_ = std::clamp(pixels, 0, 100);
}
void CMMSpectrumX::setSpotHeight(int pixels) {
    spotHeight_ = std::clamp(pixels, 1, 100);
}
void CMMSpectrumX::setSpotSpace(int pixels) {
    spotSpace_ = std::clamp(pixels, 0, 100);
}
void CMMSpectrumX::setPoint1(int percent) {
    point1_ = std::clamp(percent, 0, 100);
}
void CMMSpectrumX::setPoint2(int percent) {
    point2_ = std::clamp(percent, 0, 100);
}

void CMMSpectrumX::setFftLength(int length) {
    const int accepted = nearestFftLength(length);
    if (accepted == fftLength_ && fft_) {
        return;
    }
    fftLength_ = accepted;
    rebuildTransform();
    rebuildTables();
}

void CMMSpectrumX::setRefFreq(int hz) {
    refFreq_ = std::max(hz, 0);
    rebuildLayout();
}

void CMMSpectrumX::setDecay(int percent) {
    decay_ = std::clamp(percent, 0, 100);
    motion_.decayStep = float(decay_) / 100;
}

void CMMSpectrumX::setDecayMode(int mode) {
    motion_.mode = DecayMode(std::clamp(mode, int(DecayMode::None), int(DecayMode::Linear)));
}

void CMMSpectrumX::setWindow(int index) {
    window_ = windowFunctionFromIndex(index);
    rebuildTables();
}

void CMMSpectrumX::setLogFreq(int on) {
    logFreq_ = on != 0;
    rebuildLayout();
}

void CMMSpectrumX::setVerticalScale(int percent) {
    verticalScale_ = std::clamp(percent, 1, 1000);
    rebuildTables();
}

void CMMSpectrumX::setSampleRate(int hz) {
    sampleRate_ = std::clamp(hz, 1000, 768000);
    rebuildLayout();
}

void CMMSpectrumX::setPeakDelay(int updates) {
    motion_.peakDelay = std::clamp(updates, 0, 1000);
}

void CMMSpectrumX::setPeekSpeed(int percent) {
    peekSpeed_ = std::clamp(percent, 1, 100);
    motion_.peakFall = float(peekSpeed_) / 100;
}

void CMMSpectrumX::setGain(int index) {
    gain_ = std::clamp(index, 0, kMaxGainIndex);
    rebuildTables();
}

void CMMSpectrumX::setMode(int mode) {
    mode_ = SpectrumMode(std::clamp(mode, int(SpectrumMode::Mono), int(SpectrumMode::Right)));
}

void CMMSpectrumX::setBandCount(int bands) {
    requestedBands_ = std::max(bands, 0);
    rebuildLayout();
}

void CMMSpectrumX::rebuildTransform() {
    Result<RealFft> made = RealFft::create(fftLength_);
    if (made) {
        fft_.emplace(std::move(made.value()));
        error_.clear();
    } else {
        fft_.reset();
        error_ = made.error();
    }
}

void CMMSpectrumX::rebuildTables() {
    windowCoefficients_.resize(size_t(fftLength_));
    fillWindow(window_, windowCoefficients_);
    // Folded into the window: samples to ±1, and the window's sum so that a
    // full-scale sine on a bin centre reads 1 whatever the window and length.
    double sum = 0;
    for (float w : windowCoefficients_) {
        sum += w;
    }
    const float scale = float(2.0 / (32767.0 * std::max(sum, 1e-9)));
    for (float& w : windowCoefficients_) {
        w *= scale;
    }
    heightScale_ = float(std::pow(10.0, 3.0 * gain_ / 20.0) * verticalScale_ / 100.0);
    rebuildLayout();
}

void CMMSpectrumX::rebuildLayout() {
    layoutRate_ = effectiveRate();
    const int bands = requestedBands_ > 0 ? requestedBands_ : fftLength_ / 2;
    layout_.build(fftLength_, bands, logFreq_, refFreq_, layoutRate_);
    const size_t values = 2 * size_t(layout_.bandCount());
    if (bars_.size() != values) {
        bars_.assign(values, 0);
        peaks_.assign(values, 0);
        holds_.assign(values, 0);
    }
}

void CMMSpectrumX::reset() {
    std::fill(bars_.begin(), bars_.end(), 0.0f);
    std::fill(peaks_.begin(), peaks_.end(), 0.0f);
    std::fill(holds_.begin(), holds_.end(), 0);
}

void CMMSpectrumX::update(const SampleBlock& block) {
    const bool usable = block.usable() && fft_;
    if (usable) {
        blockRate_ = std::clamp(block.sampleRate, 0, 768000);
    }
    if (effectiveRate() != layoutRate_) {
        rebuildLayout();  // same band count: no allocation
    }
    const int bands = bandCount();
    for (int c = 0; c < channelCount(); ++c) {
        float* bars = bars_.data() + size_t(c) * size_t(bands);
        float* peaks = peaks_.data() + size_t(c) * size_t(bands);
        int* holds = holds_.data() + size_t(c) * size_t(bands);
        if (!usable) {
            for (int b = 0; b < bands; ++b) {
                motion_.advance(0, bars[b], peaks[b], holds[b]);
            }
            continue;
        }
        fillInput(block, c);
        fft_->execute();
        const std::complex<float>* bins = fft_->output();
        for (int b = 0; b < bands; ++b) {
            float power = 0;
            for (int k = layout_.firstBin(b); k < layout_.endBin(b); ++k) {
                power = std::max(power, std::norm(bins[k]));
            }
            const float target = heightOf(std::sqrt(power) * heightScale_, logAmp_);
            motion_.advance(target, bars[b], peaks[b], holds[b]);
        }
    }
}

void CMMSpectrumX::fillInput(const SampleBlock& block, int channel) {
    float* in = fft_->input();
    const size_t n = size_t(fftLength_);
    const size_t used = std::min(block.frames, n);
    const size_t pad = n - used;
    std::fill(in, in + pad, 0.0f);
    const int stride = block.channels;
    const int16_t* s = block.samples + (block.frames - used) * size_t(stride);
    const float* w = windowCoefficients_.data() + pad;
    float* out = in + pad;
    const bool stereoInput = stride == 2;
    const bool mix = mode_ == SpectrumMode::Mono && stereoInput;
    int source = 0;
    if (stereoInput &&
        (mode_ == SpectrumMode::Right || (mode_ == SpectrumMode::Stereo && channel == 1))) {
        source = 1;
    }
    if (mix) {
        for (size_t i = 0; i < used; ++i) {
            out[i] = 0.5f * (float(s[2 * i]) + float(s[2 * i + 1])) * w[i];
        }
    } else {
        for (size_t i = 0; i < used; ++i) {
            out[i] = float(s[i * size_t(stride) + size_t(source)]) * w[i];
        }
    }
}

std::span<const float> CMMSpectrumX::bands(int channel) const {
    const size_t n = size_t(bandCount());
    return {bars_.data() + size_t(std::clamp(channel, 0, 1)) * n, n};
}

std::span<const float> CMMSpectrumX::peaks(int channel) const {
    const size_t n = size_t(bandCount());
    return {peaks_.data() + size_t(std::clamp(channel, 0, 1)) * n, n};
}

}  // namespace sonara::audio
