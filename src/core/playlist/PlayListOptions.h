#pragma once

#include <string>

#include "core/mainwnd/ViewMode.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

class PreferenceStore;

// The preferences the play list's classes read, as values. The program
// fills them from the store at start and after the preferences changed.

struct PlaySequenceOptions {
    bool randomAdd = false;         // "Random Add": a random title past the end
    bool removePlayedSong = false;  // "RemovePlayedSong"
    std::string randomGenre;        // "RandomGenre", as RandomPool reads it
    NormaliseOptions normalise;     // the texts of random titles
};

struct PlayListAddOptions {
    bool useLibraryWizard = false;   // "UseLibraryWizard": library rows add nothing,
                                     // as in the Touch Screen view
    bool useAsDefaultPlayer = true;  // "UseAsDefaultPlayer"
    NormaliseOptions normalise;
};

struct SongOpenerOptions {
    bool addToLibrary = false;  // "AddToLibrary"
    bool addToPlayList = true;  // "AddToPlayList"
    bool enqueueOnly = false;   // "SNEnqueueAction" 1: never play at once
};

PlaySequenceOptions playSequenceOptions(const PreferenceStore& prefs);
PlayListAddOptions playListAddOptions(const PreferenceStore& prefs);
SongOpenerOptions songOpenerOptions(const PreferenceStore& prefs);
// Without a window, the view library adds follow: the one it would open in
// ("LastView"). A number of no view reads as Player, which, like it, takes
// library adds only when the built-in player is the default.
ViewMode viewWithoutWindow(const PreferenceStore& prefs);

}  // namespace sonara
