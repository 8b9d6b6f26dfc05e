#include "core/playlist/PlayList.h"

#include <algorithm>

#include "core/playlist/PlayListObserver.h"

namespace sonara {

void PlayList::rowChanged(size_t row) {
    if (observer_ != nullptr) {
        observer_->rowsChanged(row, 1);
    }
}

void PlayList::totalsChanged() {
    if (observer_ != nullptr) {
        observer_->totalsChanged(totals());
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

size_t PlayList::append(PlayListEntry entry) {
    entries_.push_back(std::move(entry));
    const size_t row = entries_.size() - 1;
    if (observer_ != nullptr) {
        observer_->rowsInserted(row, 1);
    }
    totalsChanged();
    return row;
}

void PlayList::appendAll(std::vector<PlayListEntry> entries) {
    if (entries.empty()) {
        return;
    }
    const size_t first = entries_.size();
    entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    if (observer_ != nullptr) {
        observer_->rowsInserted(first, entries.size());
    }
    totalsChanged();
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
    totalsChanged();
}

void PlayList::setCurrentState(EntryState state) {
    if (!current_ || *current_ >= entries_.size()) {
        return;
    }
    PlayListEntry& entry = entries_[*current_];
    entry.state = state;
    if (state != EntryState::Current) {
        entry.elapsed = 0;
    }
    rowChanged(*current_);
    totalsChanged();
}

void PlayList::setElapsed(int seconds) {
    if (current_) {
        entries_[*current_].elapsed = seconds;
        totalsChanged();
    }
}

void PlayList::markUnplayed(const std::vector<size_t>& rows) {
    bool currentReset = false;
    for (const size_t row : rows) {
        if (row >= entries_.size()) {
            continue;
        }
        currentReset = currentReset || current_ == row;
        entries_[row].state = EntryState::Unplayed;
        entries_[row].elapsed = 0;
        rowChanged(row);
    }
    if (currentReset) {
        current_.reset();
    }
    totalsChanged();
}

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

}  // namespace sonara
