#pragma once

#include <string>

namespace sonara::audio {

class CMMAudioPlayerX;

// Seconds as the time display shows them: "%2d:%02d:%02d" with hours, else
// "%02d:%02d".
std::string formatPlayTime(int seconds);

// The time display's text: " " and the elapsed time, or "-" and the time left
// when `remaining` is set (negative differences show as 0).
std::string timeText(int positionSeconds, int lengthSeconds, bool remaining);

// The values the time display, the seek bar and its labels show.
struct TimeDisplay {
    int positionSeconds = 0;
    int lengthSeconds = 0;
    std::string text;
    std::string endLabel;  // the formatted length; the start label is "0"
};
TimeDisplay timeDisplay(int positionMs, int lengthMs, bool remaining);

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
std::string idleInfoText(bool playerView);       // "Kbps    KHz[    Digital]"
std::string idleTimeText(bool playerOrBarView);  // "00:00" or " "

}  // namespace sonara::audio
