#include "audio/engine/PlayListBinding.h"

#include "audio/engine/PlayerHost.h"
#include "core/playlist/PlayList.h"

namespace sonara::audio {

PlayListBinding::PlayListBinding(PlayerHost& host, PlayList& playList)
    : host_(host), playList_(playList) {
    host_.setPlayList(this);
    playList_.setPlayer(this);
}

PlayListBinding::~PlayListBinding() {
    host_.setPlayList(nullptr);
    playList_.setPlayer(nullptr);
}

bool PlayListBinding::open(const std::string& path, PlayOutcome& outcome) {
    return host_.open(path, outcome);
}

bool PlayListBinding::play(PlayOutcome& outcome) {
    return host_.play(outcome);
}

void PlayListBinding::stopIfOpen() {
    host_.stopIfOpen();
}

bool PlayListBinding::isPlaying() const {
    return host_.isPlaying();
}

bool PlayListBinding::advance(int direction, bool force) {
    return playList_.advance(direction, force);
}

bool PlayListBinding::hasCurrent() const {
    return playList_.hasCurrent();
}

bool PlayListBinding::playCurrent() {
    return playList_.playCurrent();
}

void PlayListBinding::stopCurrent() {
    playList_.stopCurrent();
}

}  // namespace sonara::audio
