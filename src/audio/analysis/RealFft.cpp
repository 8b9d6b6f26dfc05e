#include "audio/analysis/RealFft.h"

#include <fftw3.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <utility>

namespace sonara::audio {

namespace {

// Guards every FFTW call but execute: the planner shares wisdom and tables.
std::mutex& plannerMutex() {
    static std::mutex mutex;
    return mutex;
}

}  // namespace

Result<RealFft> RealFft::create(int length) {
    if (length < 2 || length % 2 != 0) {
        return Result<RealFft>::failure("transform length " + std::to_string(length) +
                                        " is not an even number of at least 2");
    }
    std::lock_guard lock(plannerMutex());
    float* input = fftwf_alloc_real(size_t(length));
    fftwf_complex* output = fftwf_alloc_complex(size_t(length / 2 + 1));
    fftwf_plan plan = nullptr;
    if (input != nullptr && output != nullptr) {
        // Estimating never touches the arrays and is quick; measuring would
        // stall the caller (the user-interface thread) for little gain at
        // these lengths.
        plan = fftwf_plan_dft_r2c_1d(length, input, output, FFTW_ESTIMATE);
        std::fill_n(input, length, 0.0f);
    }
    if (plan == nullptr) {
        fftwf_free(input);
        fftwf_free(output);
        return Result<RealFft>::failure("FFTW could not prepare a transform of length " +
                                        std::to_string(length));
    }
    // fftwf_complex is float[2], laid out as std::complex<float> (FFTW's
    // documented C++ interoperability).
    return RealFft(length, plan, input, reinterpret_cast<std::complex<float>*>(output));
}

RealFft::RealFft(RealFft&& other) noexcept
    : length_(std::exchange(other.length_, 0)),
      plan_(std::exchange(other.plan_, nullptr)),
      input_(std::exchange(other.input_, nullptr)),
      output_(std::exchange(other.output_, nullptr)) {}

RealFft& RealFft::operator=(RealFft&& other) noexcept {
    if (this != &other) {
        release();
        length_ = std::exchange(other.length_, 0);
        plan_ = std::exchange(other.plan_, nullptr);
        input_ = std::exchange(other.input_, nullptr);
        output_ = std::exchange(other.output_, nullptr);
    }
    return *this;
}

RealFft::~RealFft() {
    release();
}

void RealFft::release() {
    if (plan_ == nullptr) {
        return;
    }
    std::lock_guard lock(plannerMutex());
    fftwf_destroy_plan(plan_);
    fftwf_free(input_);
    fftwf_free(output_);
    plan_ = nullptr;
    input_ = nullptr;
    output_ = nullptr;
}

void RealFft::execute() {
    fftwf_execute(plan_);
}

}  // namespace sonara::audio
