#pragma once

#include "core/playlist/NowPlaying.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListAdder.h"
#include "core/playlist/PlaySequence.h"

namespace sonara {

class PreferenceStore;

// The current play list as the program wires it: the entries, what plays,
// the sequence that plays them and the adds that fill them. Owns the four;
// borrows the environment, which must outlive it. Wiring only: each part
// keeps its own rules. User-interface thread only.
class CurrentPlayList {
  public:
    explicit CurrentPlayList(PlayListAdder::Environment environment);
    CurrentPlayList(const CurrentPlayList&) = delete;
    CurrentPlayList& operator=(const CurrentPlayList&) = delete;

    // Fills every part's options from the store; again after they changed.
    void applyPreferences(const PreferenceStore& prefs);

    PlayList& list() { return list_; }
    const PlayList& list() const { return list_; }
    NowPlaying& nowPlaying() { return nowPlaying_; }
    PlaySequence& sequence() { return sequence_; }
    PlayListAdder& adder() { return adder_; }

  private:
    PlayList list_;
    NowPlaying nowPlaying_;
    PlaySequence sequence_;
    PlayListAdder adder_;
};

}  // namespace sonara
