#pragma once

#include <string>

#include "core/playlist/PlayTime.h"

namespace sonara::audio {

class CMMAudioPlayerX;

// The time texts live with the now-playing model in core; the engine's
// callers name them here as well.
using sonara::formatPlayTime;
using sonara::idleTimeText;
using sonara::TimeDisplay;
using sonara::timeDisplay;
using sonara::timeText;

// The format of a stream as the info line describes it.
struct StreamDescription {
    int bitRateKbps = 0;
    int sampleRateHz = 0;
    int channels = 0;
    bool digital = false;
    bool isMpeg = false;
    int layer = 0;
};

// The info line: "MP3, 128Kbps, 44KHz, Stereo", or in the Player view
// "MP3 128Kbps 44KHz"; WAV streams "Wav, 44KHz, Stereo".
std::string fileDescription(const StreamDescription& stream, bool playerView);
// The same for what `player` plays; empty when it is not playing (the line
// then stays as it was).
std::string fileDescription(CMMAudioPlayerX& player, bool playerView);

// The texts of a reset display.
std::string idleInfoText(bool playerView);  // "Kbps    KHz[    Digital]"

}  // namespace sonara::audio
