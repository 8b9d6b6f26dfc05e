#include "audio/engine/PlayListBinding.h"

#include "audio/engine/PlayerHost.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlaySequence.h"

namespace sonara::audio {

PlayListBinding::PlayListBinding(PlayerHost& host, PlaySequence& sequence)
    : host_(host), sequence_(sequence) {
    host_.setPlayList(this);
    sequence_.setPlayer(this);
}

PlayListBinding::~PlayListBinding() {
    host_.setPlayList(nullptr);
    sequence_.setPlayer(nullptr);
}

Status PlayListBinding::open(const std::string& path) {
    return host_.open(path);
}

Status PlayListBinding::play() {
    return host_.play();
}

void PlayListBinding::stopIfOpen() {
    host_.stopIfOpen();
}

bool PlayListBinding::isPlaying() const {
    return host_.isPlaying();
}

bool PlayListBinding::advance(int direction, bool force) {
    return sequence_.advance(direction, force);
}

bool PlayListBinding::hasCurrent() const {
    return sequence_.list().hasCurrent();
}

bool PlayListBinding::playCurrent() {
    return sequence_.playCurrent().ok();
}

void PlayListBinding::stopCurrent() {
    sequence_.stop();
}

}  // namespace sonara::audio
