// The play list's order and membership: moves, removal and shuffle.
#include <algorithm>

#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListObserver.h"

namespace sonara {

void PlayList::swapRows(size_t a, size_t b) {
    if (a == b) {
        return;
    }
    std::swap(entries_[a], entries_[b]);
    if (current_ == a) {
        current_ = b;
    } else if (current_ == b) {
        current_ = a;
    }
    rowChanged(a);
    rowChanged(b);
}

size_t PlayList::moveUp(size_t row) {
    if (entries_.size() < 2 || row >= entries_.size()) {
        return row;
    }
    const size_t other = row == 0 ? entries_.size() - 1 : row - 1;
    swapRows(row, other);
    return other;
}

size_t PlayList::moveDown(size_t row) {
    if (entries_.size() < 2 || row >= entries_.size()) {
        return row;
    }
    const size_t other = row + 1 == entries_.size() ? 0 : row + 1;
    swapRows(row, other);
    return other;
}

size_t PlayList::moveToTop(size_t row) {
    if (row >= entries_.size()) {
        return row;
    }
    swapRows(row, 0);
    return 0;
}

void PlayList::erase(std::vector<size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::lower_bound(rows.begin(), rows.end(), entries_.size()), rows.end());
    if (rows.empty()) {
        return;
    }
    if (current_) {
        if (std::binary_search(rows.begin(), rows.end(), *current_)) {
            current_.reset();
        } else {
            *current_ -=
                size_t(std::lower_bound(rows.begin(), rows.end(), *current_) - rows.begin());
        }
    }
    // One pass over the entries however many rows go.
    size_t kept = rows.front();
    size_t next = 0;
    for (size_t i = rows.front(); i < entries_.size(); ++i) {
        if (next < rows.size() && rows[next] == i) {
            ++next;
            continue;
        }
        entries_[kept++] = std::move(entries_[i]);
    }
    entries_.resize(kept);
    if (observer_ != nullptr) {
        size_t end = rows.size();
        while (end > 0) {
            size_t begin = end - 1;
            while (begin > 0 && rows[begin - 1] + 1 == rows[begin]) {
                --begin;
            }
            observer_->rowsRemoved(rows[begin], end - begin);
            end = begin;
        }
    }
    totalsChanged();
}

void PlayList::clear() {
    const size_t removed = entries_.size();
    entries_.clear();
    current_.reset();
    if (observer_ != nullptr && removed > 0) {
        observer_->rowsRemoved(0, removed);
    }
    totalsChanged();
}

void PlayList::shuffle(std::minstd_rand& random) {
    const size_t n = entries_.size();
    if (n < 2) {
        return;
    }
    // The copy holds what the current play-list file would: a played state
    // or none, and no elapsed time.
    std::vector<PlayListEntry> copy = entries_;
    for (PlayListEntry& entry : copy) {
        if (entry.state != EntryState::Played) {
            entry.state = EntryState::Unplayed;
        }
        entry.elapsed = 0;
    }
    std::optional<PlayListEntry> kept;
    if (current_) {
        kept = entries_[*current_];
    }
    entries_.clear();
    current_.reset();
    entries_.resize(n);
    std::vector<size_t> slots(n);
    for (size_t i = 0; i < n; ++i) {
        slots[i] = i;
    }
    for (PlayListEntry& entry : copy) {
        std::uniform_int_distribution<size_t> draw(0, slots.size() - 1);
        const size_t pick = draw(random);
        entries_[slots[pick]] = std::move(entry);
        slots[pick] = slots.back();
        slots.pop_back();
    }
    if (kept) {
        const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& entry) {
            return entry.path == kept->path;
        });
        if (found != entries_.end()) {
            current_ = size_t(found - entries_.begin());
            found->state = EntryState::Current;
            found->elapsed = kept->elapsed;
        }
    }
    if (observer_ != nullptr) {
        observer_->rowsReset();
    }
    totalsChanged();
}

}  // namespace sonara
