#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "core/playlist/PlayListEntry.h"
#include "core/playlist/PlayListTotals.h"

namespace sonara {

class PlayListObserver;

// The current play list's entries, which of them is current and their
// order. Rows are entry positions; at most one entry is in state Current,
// and only the current entry can be. It plays nothing, reads no file and
// asks nothing: PlaySequence plays it, PlayListAdder fills it.
//
// User-interface thread only. The observer is borrowed and may be absent.
class PlayList {
  public:
    PlayList() = default;
    PlayList(const PlayList&) = delete;
    PlayList& operator=(const PlayList&) = delete;

    void setObserver(PlayListObserver* observer) { observer_ = observer; }

    size_t count() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const PlayListEntry& at(size_t row) const { return entries_[row]; }
    const std::vector<PlayListEntry>& entries() const { return entries_; }
    std::optional<size_t> current() const { return current_; }
    bool hasCurrent() const { return current_.has_value(); }

    // Returns the new entry's row.
    size_t append(PlayListEntry entry);
    void appendAll(std::vector<PlayListEntry> entries);

    // Makes the entry current (state Current) without playing it; an entry
    // that was only chosen before goes back to Unplayed.
    void makeCurrent(size_t row);
    // No entry is current any more; its state stays.
    void forgetCurrent() { current_.reset(); }
    // The current entry's state and elapsed time; nothing without one.
    void setCurrentState(EntryState state);
    // The time display's position in the current entry.
    void setElapsed(int seconds);
    // Back to Unplayed; a current entry among them stops being current.
    void markUnplayed(const std::vector<size_t>& rows);

    struct Neighbour {
        std::optional<size_t> row;
        bool wrapped = false;
    };
    // The entry after (direction 1) or before (0) the current one, wrapping
    // round; none without a current entry.
    Neighbour neighbour(int direction) const;
    // From the start (direction 1) or the end (0).
    std::optional<size_t> firstUnplayed(int direction) const;

    // Each returns the moved entry's new row. Up from the first row swaps
    // with the last, down from the last with the first.
    size_t moveUp(size_t row);
    size_t moveDown(size_t row);
    size_t moveToTop(size_t row);
    // Rows past the end are ignored; a removed current entry leaves none.
    void erase(std::vector<size_t> rows);
    void clear();
    // A new random order of a whole copy of the entries; the current entry
    // stays current (and keeps its elapsed time) wherever it lands.
    void shuffle(std::minstd_rand& random);

    PlayListTotals totals() const;
    int64_t totalSeconds() const { return totals().totalSeconds; }
    int64_t leftSeconds() const { return totals().leftSeconds; }

  private:
    void swapRows(size_t a, size_t b);
    void rowChanged(size_t row);
    void totalsChanged();

    PlayListObserver* observer_ = nullptr;
    std::vector<PlayListEntry> entries_;
    std::optional<size_t> current_;
};

}  // namespace sonara
