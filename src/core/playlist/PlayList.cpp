#include "core/playlist/PlayList.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include "core/app/DataFileSaver.h"
#include "core/library/LibraryRecord.h"
#include "core/library/LocateRecordFile.h"
#include "core/library/RecordFactory.h"
#include "core/playlist/CurrentPlayListFile.h"
#include "core/playlist/PlayListPlayer.h"
#include "core/playlist/PlayListView.h"
#include "core/settings/PreferenceStore.h"

namespace sonara {

namespace {

constexpr const char* kIdleCaption = "Sonara";
constexpr int kTouchScreenView = 7;
constexpr int kLibraryView = 5;
constexpr int kLibraryAndPlaylistView = 6;
constexpr int kNormalView = 0;

}  // namespace

PlayList::PlayList(Environment environment)
    : env_(std::move(environment)),
      caption_(kIdleCaption),
      random_(uint32_t(std::chrono::system_clock::now().time_since_epoch().count())) {}

bool PlayList::playerIsPlaying() const {
    return player_ != nullptr && player_->isPlaying();
}

int PlayList::viewMode() const {
    // Without a window, the view it would open in.
    return view_ != nullptr ? view_->viewMode() : env_.prefs.values().lastView;
}

void PlayList::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (view_ != nullptr) {
        view_->captionChanged(caption_);
    }
}

void PlayList::refreshTotals() {
    if (view_ != nullptr) {
        view_->totalsChanged(totals());
    }
}

void PlayList::rowChanged(size_t row) {
    if (view_ != nullptr) {
        view_->rowChanged(row);
    }
}

PlayListTotals PlayList::totals() const {
    PlayListTotals totals;
    for (const PlayListEntry& entry : entries_) {
        if (entry.length <= 0) {
            continue;
        }
        totals.totalSeconds += entry.length;
        if (entry.state == EntryState::Unplayed) {
            totals.leftSeconds += entry.length;
        } else if (entry.state == EntryState::Current && entry.elapsed < entry.length) {
            totals.leftSeconds += entry.length - std::max(entry.elapsed, 0);
        }
    }
    return totals;
}

std::optional<size_t> PlayList::append(const LibraryRecord& record, const std::string& path,
                                       bool playNow) {
    const NormaliseOptions options = env_.prefs.normaliseOptions();
    PlayListEntry entry;
    entry.path = path;
    entry.title = record.displayTitle(options);
    entry.artist = record.displayArtist(options);
    entry.reserved = -1;
    entry.state = EntryState::Unplayed;
    entry.length = record.lengthSeconds;
    entry.elapsed = 0;
    entries_.push_back(std::move(entry));
    const size_t row = entries_.size() - 1;
    if (view_ != nullptr) {
        view_->rowsInserted(row, 1);
    }
    refreshTotals();
    if (playNow) {
        stopCurrent();
        makeCurrent(row);
        playCurrent();
    }
    return row;
}

std::optional<size_t> PlayList::addRecordFromLibrary(LibraryRecord& record) {
    const Preferences& prefs = env_.prefs.values();
    if (prefs.useLibraryWizard != 0 || viewMode() == kTouchScreenView) {
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
    if (prefs.useAsDefaultPlayer != 0) {
        row = append(record, *path, false);
    } else {
        const int mode = viewMode();
        if (mode == kLibraryView) {
            if (openInOutsidePlayer) {
                openInOutsidePlayer(*path);
            }
        } else if (mode == kNormalView || mode == kLibraryAndPlaylistView) {
            row = append(record, *path, false);
        }
    }
    env_.saver.saveDataFiles();
    return row;
}

void PlayList::addRecordsFromLibrary(const std::vector<LibraryRecord*>& records) {
    if (env_.prefs.values().useLibraryWizard != 0 || viewMode() == kTouchScreenView) {
        return;
    }
    for (LibraryRecord* record : records) {
        if (record != nullptr) {
            addRecordFromLibrary(*record);
        }
    }
    if (view_ != nullptr && !playerIsPlaying()) {
        view_->showIdleTitle();
    }
}

std::optional<size_t> PlayList::addFileEntry(const std::string& path, bool playNow) {
    const std::unique_ptr<LibraryRecord> record = env_.records.create(path, "");
    if (!record) {
        return std::nullopt;
    }
    return append(*record, path, playNow);
}

std::optional<size_t> PlayList::addFile(const std::string& path, bool playNow) {
    const std::optional<size_t> row = addFileEntry(path, playNow);
    env_.saver.saveDataFiles();
    return row;
}

text_playlist::ReadReport PlayList::loadFile(const std::string& path) {
    // One save for the whole file, not one per song: each save writes the
    // whole library.
    const text_playlist::ReadReport report = text_playlist::read(
        path, [this] { clear(); },
        [this](const std::string& file) { return addFileEntry(file, false).has_value(); },
        env_.prompter);
    if (report.added > 0) {
        env_.saver.saveDataFiles();
    }
    return report;
}

Status PlayList::saveCurrent() {
    return current_playlist_file::save(env_.currentFile, entries_, env_.prompter);
}

LoadOutcome PlayList::loadCurrent() {
    std::vector<PlayListEntry> loaded;
    const LoadOutcome outcome = current_playlist_file::load(env_.currentFile, loaded);
    if (loaded.empty()) {
        return outcome;
    }
    const size_t first = entries_.size();
    entries_.insert(entries_.end(), std::make_move_iterator(loaded.begin()),
                    std::make_move_iterator(loaded.end()));
    if (view_ != nullptr) {
        view_->rowsInserted(first, loaded.size());
    }
    refreshTotals();
    return outcome;
}

}  // namespace sonara
