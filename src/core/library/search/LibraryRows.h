#pragma once

#include <cstddef>
#include <vector>

#include "core/library/LibraryRecord.h"

namespace sonara {

struct NormaliseOptions;

// The two orders the library list re-sorts its rows by after a refill. The
// first groups by artist: display artist, then display album (an empty album
// after every named one), then display title; the second goes by display
// title, then display artist. Both fall back to the file name, so equal rows
// always come out in the same order. All compare with A to Z folded.
enum class RowSortRule { First, Second };

// The rows of the main window's library list, in the order shown: pointers to
// records that the Library owns, so a list model shows them without copying.
//
// Lifetime: the pointers stay valid while the records live. Anything that
// destroys records invalidates the rows: Library::removeAt(), clear(), and
// loading the library file. Sorting the library and adding songs keep them
// valid (records stay where they are in memory; only the library's order of
// pointers changes). A record edited in place stays valid, but the rows may
// then be out of order or hold a record that no longer matches, until the
// next refill.
class LibraryRows {
  public:
    // "ShowAvailSongsOnly": while on, records whose availability is not 0 are
    // never added.
    explicit LibraryRows(bool availableOnly = false) : availableOnly_(availableOnly) {}

    void setAvailableOnly(bool on) { availableOnly_ = on; }
    bool availableOnly() const { return availableOnly_; }

    size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    LibraryRecord* at(size_t row) const { return row < records_.size() ? records_[row] : nullptr; }
    const std::vector<LibraryRecord*>& records() const { return records_; }

    void clear() { records_.clear(); }
    void reserve(size_t n) { records_.reserve(n); }
    // The list's row insertion: false when the availability rule skips it.
    bool add(LibraryRecord* record) {
        if (availableOnly_ && record->availability != kAvailable) {
            return false;
        }
        records_.push_back(record);
        return true;
    }
    void sort(RowSortRule rule, const NormaliseOptions& options);

  private:
    std::vector<LibraryRecord*> records_;
    bool availableOnly_ = false;
};

}  // namespace sonara
