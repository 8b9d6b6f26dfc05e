#pragma once

#include <complex>

#include "core/io/Result.h"

struct fftwf_plan_s;

namespace sonara::audio {

// A forward real-to-complex transform of one fixed length, single precision,
// with its own aligned input and output arrays. The only user of FFTW in the
// program: plan creation and destruction go through one process-wide lock
// (the FFTW planner is not thread-safe); execute() needs none, but one
// object serves one thread at a time.
class RealFft {
  public:
    // `length` must be even and at least 2. Fails when FFTW cannot allocate
    // or plan; costs a planning pass, so make one per length and keep it.
    static Result<RealFft> create(int length);

    RealFft(RealFft&& other) noexcept;
    RealFft& operator=(RealFft&& other) noexcept;
    RealFft(const RealFft&) = delete;
    RealFft& operator=(const RealFft&) = delete;
    ~RealFft();

    int length() const { return length_; }
    // `length()` samples; fill before execute().
    float* input() { return input_; }
    // `length() / 2 + 1` bins, unnormalised (a full-scale cosine at bin k
    // gives |X[k]| = length / 2).
    const std::complex<float>* output() const { return output_; }
    // Allocation-free.
    void execute();

  private:
    RealFft(int length, fftwf_plan_s* plan, float* input, std::complex<float>* output)
        : length_(length), plan_(plan), input_(input), output_(output) {}
    void release();

    int length_ = 0;
    fftwf_plan_s* plan_ = nullptr;
    float* input_ = nullptr;
    std::complex<float>* output_ = nullptr;
};

}  // namespace sonara::audio
