#include "core/playlist/PlayListOptions.h"

#include "core/settings/PreferenceStore.h"

namespace sonara {

PlaySequenceOptions playSequenceOptions(const PreferenceStore& prefs) {
    const Preferences& values = prefs.values();
    PlaySequenceOptions options;
    options.randomAdd = values.randomAdd != 0;
    options.removePlayedSong = values.removePlayedSong != 0;
    options.randomGenre = values.randomGenre;
    options.normalise = prefs.normaliseOptions();
    return options;
}

PlayListAddOptions playListAddOptions(const PreferenceStore& prefs) {
    const Preferences& values = prefs.values();
    PlayListAddOptions options;
    options.useLibraryWizard = values.useLibraryWizard != 0;
    options.useAsDefaultPlayer = values.useAsDefaultPlayer != 0;
    options.normalise = prefs.normaliseOptions();
    return options;
}

SongOpenerOptions songOpenerOptions(const PreferenceStore& prefs) {
    const Preferences& values = prefs.values();
    SongOpenerOptions options;
    options.addToLibrary = values.addToLibrary != 0;
    options.addToPlayList = values.addToPlayList != 0;
    options.enqueueOnly = values.snEnqueueAction != 0;
    return options;
}

ViewMode viewWithoutWindow(const PreferenceStore& prefs) {
    return viewModeFromNumber(prefs.values().lastView).value_or(ViewMode::Player);
}

}  // namespace sonara
