#include "core/playlist/PlayListAdder.h"

#include <memory>

#include "core/app/DataFileSaver.h"
#include "core/app/Prompter.h"
#include "core/library/LibraryRecord.h"
#include "core/library/LocateRecordFile.h"
#include "core/library/RecordFactory.h"
#include "core/playlist/CurrentPlayListFile.h"
#include "core/playlist/NowPlaying.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlaySequence.h"

namespace sonara {

PlayListAdder::PlayListAdder(PlaySequence& sequence, Environment environment,
                             PlayListAddOptions options)
    : sequence_(sequence), env_(std::move(environment)), options_(options) {}

size_t PlayListAdder::append(const LibraryRecord& record, const std::string& path, bool playNow) {
    return sequence_.append(makeEntry(record, path, options_.normalise), playNow);
}

std::optional<size_t> PlayListAdder::addRecordFromLibrary(LibraryRecord& record, ViewMode view) {
    if (options_.useLibraryWizard || view == ViewMode::TouchScreen) {
        return std::nullopt;
    }
    const std::optional<std::string> path =
        locateRecordFile(record, env_.pathCache, env_.sources, &env_.prompter);
    if (!path) {
        return std::nullopt;
    }
    // The count is of queueing, not of finished playback: the chart reads it.
    ++record.playCount;
    std::optional<size_t> row;
    if (options_.useAsDefaultPlayer) {
        row = append(record, *path, false);
    } else if (view == ViewMode::Library) {
        if (openInOutsidePlayer) {
            openInOutsidePlayer(*path);
        }
    } else if (view == ViewMode::Normal || view == ViewMode::LibraryAndPlaylist) {
        row = append(record, *path, false);
    }
    env_.saver.saveDataFiles();
    return row;
}

void PlayListAdder::addRecordsFromLibrary(const std::vector<LibraryRecord*>& records, ViewMode view,
                                          std::optional<size_t> selectedRow) {
    if (options_.useLibraryWizard || view == ViewMode::TouchScreen) {
        return;
    }
    for (LibraryRecord* record : records) {
        if (record != nullptr) {
            addRecordFromLibrary(*record, view);
        }
    }
    if (!sequence_.playerIsPlaying()) {
        sequence_.nowPlaying().showIdleTitle(sequence_.list(), selectedRow);
    }
}

std::optional<size_t> PlayListAdder::addFileEntry(const std::string& path, bool playNow) {
    const std::unique_ptr<LibraryRecord> record = env_.records.create(path, "");
    if (!record) {
        return std::nullopt;
    }
    return append(*record, path, playNow);
}

std::optional<size_t> PlayListAdder::addFile(const std::string& path, bool playNow) {
    const std::optional<size_t> row = addFileEntry(path, playNow);
    env_.saver.saveDataFiles();
    return row;
}

text_playlist::ReadReport PlayListAdder::loadFile(const std::string& path) {
    // One save for the whole file, not one per song: each save writes the
    // whole library.
    const text_playlist::ReadReport report = text_playlist::read(
        path,
        [this] {
            if (const Status saved = clear(); !saved) {
                env_.prompter.message(saved.error(), Icon::Exclamation);
            }
        },
        [this](const std::string& file) { return addFileEntry(file, false).has_value(); },
        env_.prompter);
    if (report.added > 0) {
        env_.saver.saveDataFiles();
    }
    return report;
}

Status PlayListAdder::clear() {
    sequence_.clear();
    return saveCurrent();
}

Status PlayListAdder::saveCurrent() {
    return current_playlist_file::save(env_.currentFile, sequence_.list().entries(), env_.prompter);
}

LoadOutcome PlayListAdder::loadCurrent() {
    std::vector<PlayListEntry> loaded;
    const LoadOutcome outcome = current_playlist_file::load(env_.currentFile, loaded);
    sequence_.list().appendAll(std::move(loaded));
    return outcome;
}

}  // namespace sonara
