#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/SampleTap.h"
#include "audio/analysis/SampleBlock.h"

namespace sonara::audio {

class CMMLevelX;
class CMMSpectrumX;

// Hands the newest heard audio to up to two level meters and two spectra.
// Its input is a player's SampleTap or another connector; a chained
// connector passes on the block its input took at its last trigger, so one
// pull from the player feeds the whole chain.
//
// Borrows everything: the input and the outputs must outlive the connector,
// or be unset first. Thread: the user-interface thread (the player host's
// fast timer) calls trigger() and the setters; outputs may change between
// triggers. No allocation after construction.
class CMMConnectorX {
  public:
    // The most a trigger takes: the longest spectrum transform.
    static constexpr size_t kMaxFrames = 4096;
    // What level meters need: at least 20 ms up to 96 kHz.
    static constexpr size_t kLevelFrames = 2048;

    CMMConnectorX();
    CMMConnectorX(const CMMConnectorX&) = delete;
    CMMConnectorX& operator=(const CMMConnectorX&) = delete;

    // Either input replaces the other; null disconnects.
    void setInput(const SampleTap* player);
    void setInput(CMMConnectorX* upstream);

    void setFirstLevel(CMMLevelX* level) { firstLevel_ = level; }
    void setSecondLevel(CMMLevelX* level) { secondLevel_ = level; }
    void setFirstSpectrum(CMMSpectrumX* spectrum) { firstSpectrum_ = spectrum; }
    void setSecondSpectrum(CMMSpectrumX* spectrum) { secondSpectrum_ = spectrum; }
    CMMLevelX* firstLevel() const { return firstLevel_; }
    CMMLevelX* secondLevel() const { return secondLevel_; }
    CMMSpectrumX* firstSpectrum() const { return firstSpectrum_; }
    CMMSpectrumX* secondSpectrum() const { return secondSpectrum_; }

    // Takes the newest frames from the input once, as many as the outputs
    // (and the connectors fed by this one) need, and updates every output
    // with that same block. Without outputs or connectors fed by it, it does
    // nothing. A connector fed by this one tells it what it needs at its own
    // trigger, so the frames it asks for arrive from the next trigger on.
    void trigger();

    // The block of the last trigger, valid until the next one. Empty before
    // the first trigger or when nothing was heard.
    SampleBlock lastBlock() const { return block_; }

  private:
    size_t framesNeeded() const;

    const SampleTap* player_ = nullptr;
    CMMConnectorX* upstream_ = nullptr;
    CMMLevelX* firstLevel_ = nullptr;
    CMMLevelX* secondLevel_ = nullptr;
    CMMSpectrumX* firstSpectrum_ = nullptr;
    CMMSpectrumX* secondSpectrum_ = nullptr;

    // Frames the connectors fed by this one asked for since its last trigger.
    size_t downstreamFrames_ = 0;
    std::vector<int16_t> buffer_;  // kMaxFrames × 2 samples
    SampleBlock block_;
};

}  // namespace sonara::audio
