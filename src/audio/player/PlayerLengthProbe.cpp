#include "audio/player/PlayerLengthProbe.h"

#include <exception>

#include "audio/player/CMMAudioPlayerX.h"

namespace sonara::audio {

int64_t PlayerLengthProbe::lengthMilliseconds(const std::string& path) {
    int64_t length = 0;
    try {
        if (player_.setFileName(path)) {
            length = player_.length();
        }
    } catch (const std::exception&) {
        length = 0;
    }
    player_.close();
    return length;
}

}  // namespace sonara::audio
