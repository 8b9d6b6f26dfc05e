#include "audio/analysis/CMMConnectorX.h"

#include <algorithm>
#include <cstring>

#include "audio/analysis/CMMLevelX.h"
#include "audio/analysis/CMMSpectrumX.h"

namespace sonara::audio {

CMMConnectorX::CMMConnectorX() : buffer_(kMaxFrames * 2) {}

void CMMConnectorX::setInput(const SampleTap* player) {
    player_ = player;
    upstream_ = nullptr;
}

void CMMConnectorX::setInput(CMMConnectorX* upstream) {
    // A connector fed by itself would copy its buffer onto itself.
    upstream_ = upstream == this ? nullptr : upstream;
    player_ = nullptr;
}

size_t CMMConnectorX::framesNeeded() const {
    size_t frames = downstreamFrames_;
    if (firstLevel_ != nullptr || secondLevel_ != nullptr) {
        frames = std::max(frames, kLevelFrames);
    }
    for (const CMMSpectrumX* spectrum : {firstSpectrum_, secondSpectrum_}) {
        if (spectrum != nullptr) {
            frames = std::max(frames, size_t(spectrum->fftLength()));
        }
    }
    return std::min(frames, kMaxFrames);
}

void CMMConnectorX::trigger() {
    const size_t wanted = framesNeeded();
    downstreamFrames_ = 0;
    block_ = SampleBlock{buffer_.data(), 0, 0, 0};
    if (wanted == 0) {
        return;
    }
    if (player_ != nullptr) {
        int channels = 0;
        int rate = 0;
        const size_t got = player_->copyHeard(buffer_.data(), wanted, channels, rate);
        // A tap that reports more than was asked, or a layout we cannot
        // read, gives nothing rather than a read past the buffer.
        if (got <= wanted && (channels == 1 || channels == 2)) {
            block_ = SampleBlock{buffer_.data(), got, channels, std::max(rate, 0)};
        }
    } else if (upstream_ != nullptr) {
        upstream_->downstreamFrames_ = std::max(upstream_->downstreamFrames_, wanted);
        const SampleBlock given = upstream_->lastBlock();
        if (given.usable()) {
            const size_t frames = std::min(given.frames, wanted);
            const size_t skip = (given.frames - frames) * size_t(given.channels);
            std::memcpy(buffer_.data(), given.samples + skip,
                        frames * size_t(given.channels) * sizeof(int16_t));
            block_ = SampleBlock{buffer_.data(), frames, given.channels, given.sampleRate};
        }
    }
    for (CMMLevelX* level : {firstLevel_, secondLevel_}) {
        if (level != nullptr) {
            level->update(block_);
        }
    }
    for (CMMSpectrumX* spectrum : {firstSpectrum_, secondSpectrum_}) {
        if (spectrum != nullptr) {
            spectrum->update(block_);
        }
    }
}

}  // namespace sonara::audio
