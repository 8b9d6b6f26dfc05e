#include "audio/analysis/SpectrumBandLayout.h"

#include <algorithm>
#include <cmath>

namespace sonara::audio {

void SpectrumBandLayout::build(int fftLength, int bands, bool logFrequency, double lowestHz,
                               int sampleRate) {
    const int bins = std::max(1, fftLength / 2);  // bins 1 … bins are shown
    bands = std::clamp(bands, 1, bins);
    first_.resize(size_t(bands));
    end_.resize(size_t(bands));
    binHz_ = double(std::max(1, sampleRate)) / std::max(2, fftLength);

    if (!logFrequency) {
        for (int b = 0; b < bands; ++b) {
            first_[size_t(b)] = uint16_t(1 + int64_t(b) * bins / bands);
            end_[size_t(b)] = uint16_t(1 + int64_t(b + 1) * bins / bands);
        }
        return;
    }
    // In bin units: from the lowest frequency (at least one bin, at most a
    // quarter of the rate) to the last bin.
    const double low = std::clamp(lowestHz / binHz_, 1.0, std::max(1.0, bins / 2.0));
    const double ratio = double(bins) / low;
    for (int b = 0; b < bands; ++b) {
        const double from = low * std::pow(ratio, double(b) / bands);
        const double to = low * std::pow(ratio, double(b + 1) / bands);
        int first = int(std::ceil(from - 0.5));
        int end = int(std::ceil(to - 0.5));
        if (end <= first) {
            first = int(std::lround(std::sqrt(from * to)));
            end = first + 1;
        }
        first = std::clamp(first, 1, bins);
        end = std::clamp(end, first + 1, bins + 1);
        first_[size_t(b)] = uint16_t(first);
        end_[size_t(b)] = uint16_t(end);
    }
    end_.back() = uint16_t(bins + 1);
}

std::optional<int> SpectrumBandLayout::bandOf(double hz) const {
    if (binHz_ <= 0 || !(hz >= 0)) {
        return std::nullopt;
    }
    const double bin = std::round(hz / binHz_);
    for (size_t b = 0; b < first_.size(); ++b) {
        if (bin >= first_[b] && bin < end_[b]) {
            return int(b);
        }
    }
    return std::nullopt;
}

}  // namespace sonara::audio
