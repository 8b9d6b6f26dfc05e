// The play list's order and membership: moves, removal, shuffle, played
// states and random adds.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/library/Library.h"
#include "core/library/LocateRecordFile.h"
#include "core/playlist/CurrentPlayListFile.h"
#include "core/playlist/PlayList.h"
#include "core/playlist/PlayListView.h"
#include "core/settings/PreferenceStore.h"

namespace sonara {

namespace {

constexpr int kRandomAddFailure = 7175;

std::string temporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

// A new empty file of a unique name with the prefix "tmp" in `folder`, or "".
std::string makeScratchFile(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    std::string name = folder + "tmpXXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return {};
    }
    ::close(fd);
    return name;
}

}  // namespace

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
    if (view_ != nullptr) {
        view_->rowsSwapped(a, b);
    }
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

void PlayList::eraseRows(std::vector<size_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::lower_bound(rows.begin(), rows.end(), entries_.size()), rows.end());
    if (rows.empty()) {
        return;
    }
    if (current_ && std::binary_search(rows.begin(), rows.end(), *current_)) {
        // Removing the current entry stops it first; a stopped one only
        // stops being current.
        if (entries_[*current_].state == EntryState::Current) {
            stopCurrent();
            if (view_ != nullptr) {
                view_->resetDisplay();
            }
        }
        current_.reset();
        // The stop ran queued tasks; rows appended meanwhile stay.
        rows.erase(std::lower_bound(rows.begin(), rows.end(), entries_.size()), rows.end());
        if (rows.empty()) {
            return;
        }
    }
    if (current_) {
        *current_ -= size_t(std::lower_bound(rows.begin(), rows.end(), *current_) - rows.begin());
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
    if (view_ != nullptr) {
        // Runs of neighbouring rows, last first, so each notice's rows are
        // where the view still has them.
        size_t end = rows.size();
        while (end > 0) {
            size_t begin = end - 1;
            while (begin > 0 && rows[begin - 1] + 1 == rows[begin]) {
                --begin;
            }
            view_->rowsRemoved(rows[begin], end - begin);
            end = begin;
        }
    }
    refreshTotals();
}

std::optional<size_t> PlayList::remove(std::vector<size_t> rows) {
    const auto first = std::min_element(rows.begin(), rows.end());
    if (first == rows.end()) {
        return std::nullopt;
    }
    const size_t firstRow = *first;
    eraseRows(std::move(rows));
    if (entries_.empty()) {
        current_.reset();
        if (view_ != nullptr) {
            view_->setScrollingTitle(" ");
        }
        return std::nullopt;
    }
    const size_t select = std::min(firstRow, entries_.size() - 1);
    if (view_ != nullptr) {
        view_->selectRow(select);
    }
    return select;
}

void PlayList::clear() {
    stopCurrent();
    if (view_ != nullptr) {
        view_->resetDisplay();
        view_->setScrollingTitle(" ");
    }
    const size_t removed = entries_.size();
    entries_.clear();
    current_.reset();
    if (view_ != nullptr && removed > 0) {
        view_->rowsRemoved(0, removed);
    }
    refreshTotals();
    // Left unsaved, the old list would come back at the next start.
    if (const Status saved = saveCurrent(); !saved) {
        env_.prompter.message(saved.error(), Icon::Exclamation);
    }
}

bool PlayList::shuffle() {
    const size_t n = entries_.size();
    if (n < 2) {
        return false;
    }
    // The copy goes through the current play-list format, as it always has;
    // a copy that does not come back whole leaves the list as it is.
    const std::string scratch =
        makeScratchFile(scratchFolder_.empty() ? temporaryFolder() : scratchFolder_);
    if (scratch.empty()) {
        return false;
    }
    std::vector<PlayListEntry> copy;
    const bool copied = current_playlist_file::save(scratch, entries_, env_.prompter).ok() &&
                        current_playlist_file::load(scratch, copy) == LoadOutcome::Loaded &&
                        copy.size() == n;
    ::unlink(scratch.c_str());
    if (!copied) {
        return false;
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
        const size_t pick = draw(random_);
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
    if (view_ != nullptr) {
        view_->rowsReset();
    }
    if (current_ && playerIsPlaying()) {
        moveToTop(*current_);
    }
    if (view_ != nullptr) {
        view_->selectRow(0);
    }
    refreshTotals();
    return true;
}

void PlayList::resetPlayed(const std::vector<size_t>& rows) {
    bool currentReset = false;
    for (const size_t row : rows) {
        if (row >= entries_.size()) {
            continue;
        }
        if (current_ == row) {
            if (entries_[row].state == EntryState::Current) {
                stopCurrent();
                if (view_ != nullptr) {
                    view_->resetDisplay();
                }
            }
            currentReset = true;
        }
        entries_[row].state = EntryState::Unplayed;
        entries_[row].elapsed = 0;
        rowChanged(row);
    }
    // A current entry that was not reset stays current: it may be playing.
    if (currentReset) {
        current_.reset();
    }
    refreshTotals();
}

void PlayList::resetAllPlayed() {
    std::vector<size_t> rows(entries_.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = i;
    }
    resetPlayed(rows);
    if (view_ != nullptr && !entries_.empty()) {
        view_->selectRow(0);
    }
}

void PlayList::rebuildRandomPool() {
    random_.seed(uint32_t(std::time(nullptr)));
    if (library_ == nullptr) {
        pool_ = RandomPool();
        return;
    }
    pool_.rebuild(*library_, env_.prefs.values().randomGenre);
}

std::optional<size_t> PlayList::pickRandom() {
    int rebuilds = 0;
    while (library_ != nullptr && library_->count() > 0 && rebuilds < 2 && !pool_.empty()) {
        std::optional<size_t> added;
        if (const LibraryRecord* record = library_->at(pool_.take(random_))) {
            if (const auto path =
                    locateRecordFile(*record, env_.pathCache, env_.sources, nullptr)) {
                added = append(*record, *path, false);
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
    env_.prompter.message(stringText(kRandomAddFailure), Icon::Exclamation);
    return std::nullopt;
}

int PlayList::addRandom(int titles) {
    int added = 0;
    for (int i = 0; i < titles; ++i) {
        if (pickRandom()) {
            ++added;
        }
    }
    return added;
}

}  // namespace sonara
