#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace sonara::audio {

// Which transform bins make up each display band. Bin k of an N-point
// transform lies at k × rate / N Hz; bin 0 (the constant part) is never
// shown. Linear bands split bins 1 … N/2 evenly; logarithmic bands span equal
// frequency ratios from the lowest frequency to half the rate, and a band
// narrower than one bin takes the bin nearest its range, so a band is never
// empty.
class SpectrumBandLayout {
  public:
    // `bands` is limited to 1 … N/2. Allocates only when the band count
    // grows beyond what was built before.
    void build(int fftLength, int bands, bool logFrequency, double lowestHz, int sampleRate);

    int bandCount() const { return int(first_.size()); }
    // Bins [firstBin, endBin) of `band`.
    int firstBin(int band) const { return first_[size_t(band)]; }
    int endBin(int band) const { return end_[size_t(band)]; }
    // The band showing `hz`; nothing when no band shows it.
    std::optional<int> bandOf(double hz) const;

  private:
    std::vector<uint16_t> first_;
    std::vector<uint16_t> end_;
    double binHz_ = 0;
};

}  // namespace sonara::audio
