// The play sequence's edits of the list that must stop the playing entry
// first, and its random adds.
#include <algorithm>
#include <ctime>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/LocateRecordFile.h"
#include "core/playlist/NowPlaying.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlaySequence.h"

namespace sonara {

bool PlaySequence::stopIfAmong(const std::vector<size_t>& rows) {
    const std::optional<size_t> current = list_.current();
    if (!current || std::find(rows.begin(), rows.end(), *current) == rows.end()) {
        return false;
    }
    if (list_.at(*current).state == EntryState::Current) {
        stopCurrent();
        nowPlaying_.resetDisplay();
    }
    return true;
}

std::optional<size_t> PlaySequence::remove(std::vector<size_t> rows) {
    const auto first = std::min_element(rows.begin(), rows.end());
    if (first == rows.end()) {
        return std::nullopt;
    }
    const size_t firstRow = *first;
    // Removing the current entry stops it first; a stopped one only stops
    // being current. The stop runs queued tasks: rows appended meanwhile stay.
    if (stopIfAmong(rows)) {
        list_.forgetCurrent();
    }
    list_.erase(std::move(rows));
    if (list_.empty()) {
        nowPlaying_.setScrollingTitle(" ");
        return std::nullopt;
    }
    return std::min(firstRow, list_.count() - 1);
}

void PlaySequence::clear() {
    stopCurrent();
    nowPlaying_.resetDisplay();
    nowPlaying_.setScrollingTitle(" ");
    list_.clear();
}

std::optional<size_t> PlaySequence::shuffle() {
    if (list_.count() < 2) {
        return std::nullopt;
    }
    list_.shuffle(random_);
    if (list_.current() && playerIsPlaying()) {
        list_.moveToTop(*list_.current());
    }
    return 0;
}

void PlaySequence::resetPlayed(const std::vector<size_t>& rows) {
    // A current entry that is not reset stays current: it may be playing.
    stopIfAmong(rows);
    list_.markUnplayed(rows);
}

std::optional<size_t> PlaySequence::resetAllPlayed() {
    std::vector<size_t> rows(list_.count());
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = i;
    }
    resetPlayed(rows);
    return list_.empty() ? std::nullopt : std::optional<size_t>(0);
}

void PlaySequence::rebuildRandomPool() {
    random_.seed(uint32_t(std::time(nullptr)));
    if (library_ == nullptr) {
        pool_ = RandomPool();
        return;
    }
    pool_.rebuild(*library_, options_.randomGenre);
}

std::optional<size_t> PlaySequence::pickRandom() {
    int rebuilds = 0;
    while (library_ != nullptr && library_->count() > 0 && rebuilds < 2 && !pool_.empty()) {
        std::optional<size_t> added;
        if (const LibraryRecord* record = library_->at(pool_.take(random_))) {
            if (const auto path = locateRecordFile(*record, pathCache_, sources_, nullptr)) {
                added = list_.append(makeEntry(*record, *path, options_.normalise));
            }
        }
        if (pool_.empty()) {
            rebuildRandomPool();
            ++rebuilds;
        }
        if (added) {
            return added;
        }
    }
    prompter_.message(stringText(TextId::RandomAddFailure), Icon::Exclamation);
    return std::nullopt;
}

int PlaySequence::addRandom(int titles) {
    int added = 0;
    for (int i = 0; i < titles; ++i) {
        if (pickRandom()) {
            ++added;
        }
    }
    return added;
}

}  // namespace sonara
