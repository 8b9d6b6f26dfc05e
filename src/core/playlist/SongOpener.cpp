#include "core/playlist/SongOpener.h"

#include "core/app/DataFileSaver.h"
#include "core/app/Dispatcher.h"
#include "core/library/Drives.h"
#include "core/library/Library.h"
#include "core/library/SourcesList.h"
#include "core/playlist/PlayList.h"
#include "core/settings/PreferenceStore.h"

namespace sonara {

SongOpener::SongOpener(PreferenceStore& prefs, Library& library, SourcesList& sources,
                       RecordFactory& records, PlayList& playList, Dispatcher& dispatcher,
                       DataFileSaver& saver, const Drives* drives)
    : prefs_(prefs),
      library_(library),
      sources_(sources),
      records_(records),
      playList_(playList),
      dispatcher_(dispatcher),
      saver_(saver),
      drives_(drives) {}

SongOpener::~SongOpener() = default;

void SongOpener::restartEnqueueTimer() {
    enqueueTimer_ = dispatcher_.startTimer(kEnqueueTimerMs, [this] { enqueueTimer_.stop(); });
}

void SongOpener::open(const std::string& path) {
    const Preferences& prefs = prefs_.values();
    const bool toLibrary = prefs.addToLibrary != 0;
    const bool toPlayList = prefs.addToPlayList != 0;
    if (path.empty() || (!toLibrary && !toPlayList)) {
        return;
    }
    // Songs on removable media stay out of the library: the medium goes.
    const bool removable = drives_ != nullptr && isRemovable(*drives_, path);
    LibraryRecord* added = nullptr;
    if (toLibrary && !removable) {
        const AddResult result = library_.addSong(path, "", records_);
        if (result.status == AddStatus::Added) {
            added = result.record;
            sources_.add(path, "");
        }
    }
    bool saved = false;
    if (toPlayList || (toLibrary && removable)) {
        if (added != nullptr) {
            playList_.append(*added, path, false);
        } else {
            const bool enqueueOnly = prefs.snEnqueueAction != 0;
            const bool playNow =
                !enqueueOnly && !(enqueueTimer_.running() && playList_.playerIsPlaying());
            playList_.addFile(path, playNow);
            saved = true;
        }
        if (prefs.snEnqueueAction == 0) {
            restartEnqueueTimer();
        }
    }
    if (added != nullptr && !saved) {
        saver_.saveDataFiles();
    }
}

}  // namespace sonara
