// The play list's playing side: what plays next and how it is played.
#include <algorithm>

#include "core/library/Library.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListPlayer.h"
#include "core/playlist/PlayListView.h"
#include "core/settings/PreferenceStore.h"

namespace sonara {

PlayList::Neighbour PlayList::neighbour(int direction) const {
    Neighbour step;
    if (!current_ || entries_.empty()) {
        return step;
    }
    const size_t last = entries_.size() - 1;
    const size_t at = *current_;
    if (direction == 1) {
        step.wrapped = at >= last;
        step.row = step.wrapped ? 0 : at + 1;
    } else {
        step.wrapped = at == 0;
        step.row = step.wrapped ? last : at - 1;
    }
    return step;
}

std::optional<size_t> PlayList::firstUnplayed(int direction) const {
    const size_t n = entries_.size();
    for (size_t i = 0; i < n; ++i) {
        const size_t row = direction == 1 ? i : n - 1 - i;
        if (entries_[row].state == EntryState::Unplayed) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<size_t> PlayList::chooseNext(int direction, bool force) {
    // Without a current entry (a list just loaded, cleared of its current
    // entry or reset) the first unplayed entry is next, so Play and Next
    // still start something.
    Neighbour step = current_ ? neighbour(direction) : Neighbour{firstUnplayed(direction), false};
    if (env_.prefs.values().randomAdd != 0) {
        if ((playerIsPlaying() || force) && (step.wrapped || !step.row)) {
            return pickRandom();
        }
        return step.row;
    }
    if (step.wrapped) {
        return std::nullopt;  // the list does not loop
    }
    return step.row;
}

void PlayList::makeCurrent(size_t row) {
    if (row >= entries_.size()) {
        return;
    }
    if (current_ && *current_ != row && entries_[*current_].state == EntryState::Current) {
        entries_[*current_].state = EntryState::Unplayed;
        rowChanged(*current_);
    }
    current_ = row;
    entries_[row].state = EntryState::Current;
    rowChanged(row);
    refreshTotals();
}

void PlayList::removePlayed(std::optional<size_t> previous) {
    // Only a song that was played goes: stepping through the list while
    // stopped passes entries that never played.
    if (previous && *previous < entries_.size() && env_.prefs.values().removePlayedSong != 0 &&
        entries_[*previous].state == EntryState::Played) {
        eraseRows({*previous});
    }
}

bool PlayList::advance(int direction, bool force) {
    const std::optional<size_t> previous = current_;
    std::optional<size_t> next = chooseNext(direction, force);
    // A skipped file never comes round again; with "Random Add" every skip
    // may append a new title, so the library's size bounds the attempts too.
    std::vector<size_t> tried;
    size_t attemptsLeft = entries_.size() + (library_ != nullptr ? library_->count() : 0) + 1;
    while (next) {
        if (playerIsPlaying() || force) {
            stopCurrent();
            makeCurrent(*next);
            tried.push_back(*next);
            PlayOutcome outcome = PlayOutcome::Ok;
            if (playCurrent(outcome)) {
                if (current_) {
                    rowChanged(*current_);
                }
                removePlayed(previous);
                return true;
            }
            if (outcome != PlayOutcome::Ok && outcome != PlayOutcome::ComponentFailure) {
                return false;  // the device fails: the engine told the user
            }
            next = chooseNext(direction, true);
            if (next && (std::find(tried.begin(), tried.end(), *next) != tried.end() ||
                         --attemptsLeft == 0)) {
                next.reset();
            }
            force = true;
            continue;
        }
        makeCurrent(*next);
        removePlayed(previous);
        return true;
    }
    stopCurrent();
    if (view_ != nullptr) {
        view_->pressStop();
    }
    removePlayed(previous);
    return false;
}

bool PlayList::playCurrent(PlayOutcome& outcome) {
    if (!current_ || player_ == nullptr) {
        outcome = PlayOutcome::OtherFailure;
        return false;
    }
    player_->stopIfOpen();
    // The stop ran queued tasks, which may have changed the list.
    if (!current_) {
        outcome = PlayOutcome::OtherFailure;
        return false;
    }
    const size_t row = *current_;
    const PlayListEntry entry = entries_[row];
    if (!player_->open(entry.path, outcome)) {
        if (view_ != nullptr) {
            view_->pressStop();
        }
        player_->stopIfOpen();
        return false;
    }
    entries_[row].state = EntryState::Current;
    if (view_ != nullptr) {
        view_->currentOpened(row);
    }
    rowChanged(row);
    setCaption(entry.artist + " - " + entry.title + " - Sonara");
    refreshTotals();
    if (!player_->play(outcome)) {
        setCaption("Sonara");  // nothing plays after all
        return false;
    }
    return true;
}

void PlayList::stopCurrent() {
    if (player_ != nullptr) {
        player_->stopIfOpen();
    }
    if (current_ && *current_ < entries_.size()) {
        PlayListEntry& entry = entries_[*current_];
        entry.state = EntryState::Played;
        entry.elapsed = 0;
        rowChanged(*current_);
    }
    setCaption("Sonara");
    refreshTotals();
}

void PlayList::setElapsed(int seconds) {
    if (current_) {
        entries_[*current_].elapsed = seconds;
        refreshTotals();
    }
}

}  // namespace sonara
