#include "core/playlist/SongOpener.h"

#include "core/app/DataFileSaver.h"
#include "core/app/Dispatcher.h"
#include "core/library/Drives.h"
#include "core/library/Library.h"
#include "core/library/SourcesList.h"
#include "core/playlist/PlayListAdder.h"
#include "core/playlist/PlaySequence.h"

namespace sonara {

SongOpener::SongOpener(SongOpenerOptions options, Library& library, SourcesList& sources,
                       RecordFactory& records, PlayListAdder& adder, PlaySequence& sequence,
                       Dispatcher& dispatcher, DataFileSaver& saver, const Drives* drives)
    : options_(options),
      library_(library),
      sources_(sources),
      records_(records),
      adder_(adder),
      sequence_(sequence),
      dispatcher_(dispatcher),
      saver_(saver),
      drives_(drives) {}

SongOpener::~SongOpener() = default;

void SongOpener::restartEnqueueTimer() {
    enqueueTimer_ = dispatcher_.startTimer(kEnqueueTimerMs, [this] { enqueueTimer_.stop(); });
}

void SongOpener::open(const std::string& path) {
    const bool toLibrary = options_.addToLibrary;
    const bool toPlayList = options_.addToPlayList;
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
            adder_.append(*added, path, false);
        } else {
            const bool playNow =
                !options_.enqueueOnly && !(enqueueTimer_.running() && sequence_.playerIsPlaying());
            adder_.addFile(path, playNow);
            saved = true;
        }
        if (!options_.enqueueOnly) {
            restartEnqueueTimer();
        }
    }
    if (added != nullptr && !saved) {
        saver_.saveDataFiles();
    }
}

}  // namespace sonara
