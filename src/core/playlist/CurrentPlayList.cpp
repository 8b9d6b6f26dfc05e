#include "core/playlist/CurrentPlayList.h"

namespace sonara {

CurrentPlayList::CurrentPlayList(PlayListAdder::Environment environment)
    : sequence_(list_, nowPlaying_, environment.prompter, environment.pathCache,
                environment.sources),
      adder_(sequence_, std::move(environment)) {}

void CurrentPlayList::applyPreferences(const PreferenceStore& prefs) {
    sequence_.setOptions(playSequenceOptions(prefs));
    adder_.setOptions(playListAddOptions(prefs));
}

}  // namespace sonara
