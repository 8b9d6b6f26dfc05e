#include "audio/pulse/StreamGain.h"

#include <algorithm>
#include <cstring>

namespace sonara::audio::pulse {

void StreamGain::set(int volume, int balance, int channels) {
    volume = std::clamp(volume, 0, 32768);
    balance = std::clamp(balance, -32768, 32768);
    channels_ = std::max(channels, 1);
    int64_t left = volume;
    int64_t right = volume;
    if (channels_ == 2) {
        if (balance > 0) {
            left = left * (32768 - balance) / 32768;
        } else if (balance < 0) {
            right = right * (32768 + balance) / 32768;
        }
    }
    gain_ = {int32_t(left), int32_t(right)};
    neutral_ = gain_[0] == (1 << kUnityShift) && gain_[1] == (1 << kUnityShift);
}

void StreamGain::apply(const int16_t* in, int16_t* out, size_t frames) const {
    const size_t samples = frames * size_t(channels_);
    if (neutral_) {
        std::memcpy(out, in, samples * sizeof(int16_t));
        return;
    }
    const auto scale = [](int16_t sample, int32_t gain) {
        const int32_t scaled = (int32_t(sample) * gain) >> kUnityShift;
        return int16_t(std::clamp(scaled, int32_t(INT16_MIN), int32_t(INT16_MAX)));
    };
    if (channels_ == 2) {
        for (size_t i = 0; i < samples; i += 2) {
            out[i] = scale(in[i], gain_[0]);
            out[i + 1] = scale(in[i + 1], gain_[1]);
        }
    } else {
        for (size_t i = 0; i < samples; ++i) {
            out[i] = scale(in[i], gain_[0]);
        }
    }
}

}  // namespace sonara::audio::pulse
