#include "audio/engine/PlayerTexts.h"

#include <cstdio>

#include "audio/player/CMMAudioPlayerX.h"

namespace sonara::audio {

std::string fileDescription(const StreamDescription& stream, bool playerView) {
    const int khz = stream.sampleRateHz / 1000;
    const std::string mode =
        std::string(stream.digital ? "Digital " : "") + (stream.channels < 2 ? "Mono" : "Stereo");
    char line[128];
    if (stream.isMpeg) {
        char kind[16];
        std::snprintf(kind, sizeof kind, "MP%d", stream.layer);
        if (playerView) {
            std::snprintf(line, sizeof line, "%s %dKbps %dKHz", kind, stream.bitRateKbps, khz);
        } else {
            std::snprintf(line, sizeof line, "%s, %dKbps, %dKHz, %s", kind, stream.bitRateKbps, khz,
                          mode.c_str());
        }
    } else {
        std::snprintf(line, sizeof line, "%s, %dKHz, %s", "Wav", khz, mode.c_str());
    }
    return line;
}

std::string fileDescription(CMMAudioPlayerX& player, bool playerView) {
    if ((player.state() & CMMAudioPlayerX::kPlaying) == 0) {
        return {};
    }
    StreamDescription stream;
    // In the order the info line has always read them.
    stream.bitRateKbps = player.bitRate();
    stream.digital = player.digital() == 1;
    stream.channels = player.channels();
    stream.sampleRateHz = player.sampleRate();
    stream.isMpeg = player.isMpeg() != 0;
    if (stream.isMpeg) {
        stream.layer = player.layer();
    }
    return fileDescription(stream, playerView);
}

std::string idleInfoText(bool playerView) {
    return playerView ? "Kbps    KHz" : "Kbps    KHz    Digital";
}

}  // namespace sonara::audio
