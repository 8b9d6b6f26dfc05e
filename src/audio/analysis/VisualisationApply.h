#pragma once

#include "core/skin/VisualisationSettings.h"

namespace sonara::audio {

class CMMConnectorX;
class CMMLevelX;
class CMMSpectrumX;

// The main window's six displays, borrowed.
struct VisualisationDisplays {
    CMMSpectrumX& largeSpectrum;
    CMMSpectrumX& smallSpectrum;
    CMMLevelX& tallLeft;
    CMMLevelX& tallRight;
    CMMLevelX& shortLeft;
    CMMLevelX& shortRight;
};

// A skin's settings onto one display, in the order the components take
// them: colours (bar 1 … 3, background, inactive 1 … 3), then Kind,
// FFTLength, RefFreq, ActiveDoted, Space, DisplayPeak, SpotHeight,
// SpotSpace, Decay, DecayMode, Window, LogFreq, LogAmp, VerticalScale,
// SampleRate, PeakDelay, PeekSpeed, Point1, Point2, Gain.
void applySpectrumSettings(CMMSpectrumX& spectrum, const SpectrumSettings& settings);
// Colours, then SpotSpace, Point1, Point2, PeekSpeed, PeakDelay, Gain.
void applyLevelSettings(CMMLevelX& level, const LevelSettings& settings);
// Large and small spectrum settings to their spectra, the tall-level
// settings to both tall meters, the short-level settings to both short ones.
void applyVisualisationSettings(const VisualisationDisplays& displays,
                                const VisualisationSettings& settings);

// The values the main window's displays start with, before any skin: both
// spectra stereo, 44100 Hz, RefFreq 1500, 9 dB gain, Welch window,
// exponential decay, vertical scale 20, yellow bars on black, the large one
// 512 points, the small one 256 points drawn as dots; the meters vertical,
// left or right, gain 2, two peak spots, peak delay 10, exponential decay,
// yellow bars on olive.
void applyDisplayTemplates(const VisualisationDisplays& displays);

// Points the host's two connectors at the displays: the first feeds the
// large and small spectra and the tall meters, the second the short meters.
void connectVisualisations(CMMConnectorX& first, CMMConnectorX& second,
                           const VisualisationDisplays& displays);
// Sets all six outputs to null; playback goes on without displays.
void disconnectVisualisations(CMMConnectorX& first, CMMConnectorX& second);

}  // namespace sonara::audio
