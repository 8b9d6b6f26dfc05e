#include "core/app/OpenFileEngines.h"

#include "core/playlist/PlayListAdder.h"
#include "core/playlist/SongOpener.h"

namespace sonara {

void OpenFileEngines::applySkinPointer(const std::string& path) {
    window_.applySkinPointer(path);
}

void OpenFileEngines::openSong(const std::string& path) {
    songs_.open(path);
}

void OpenFileEngines::loadPlayList(const std::string& path) {
    playList_.loadFile(path);
}

void OpenFileEngines::bringWindowForward() {
    window_.bringWindowForward();
}

}  // namespace sonara
