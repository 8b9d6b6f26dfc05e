#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/search/SearchField.h"

namespace sonara {

class Library;
class LibraryRecord;
class ListingProgress;
struct NormaliseOptions;

// One entry of a selector's list: a distinct display value and a record that
// has it (the list item's data). The pointer follows LibraryRows' lifetime
// rule.
struct ListedValue {
    std::string text;
    LibraryRecord* record = nullptr;
};

struct ValueListing {
    std::vector<ListedValue> values;
    bool cancelled = false;  // Cancel in "Please wait..." stopped the listing
};

// The distinct display artists, albums or titles of the library that start
// with a letter ("*": all), for a selector dialog. Values that fold alike
// are listed once (the first record's spelling), in ascending order A to Z
// folded; an empty value is never listed.
class ValueLister {
  public:
    // Libraries this big show "Please wait..." while listing "*".
    static constexpr size_t kProgressThreshold = 751;
    // The dialog is stepped about this many times.
    static constexpr size_t kProgressSteps = 20;

    ValueLister(ListerField field, std::string letter)
        : field_(field), letter_(std::move(letter)) {}

    ListerField field() const { return field_; }
    const std::string& letter() const { return letter_; }

    // Lists the values. `progress` may be null (nothing to show, no cancel).
    // The library's own order is left as it is.
    ValueListing fill(const Library& library, const NormaliseOptions& options,
                      ListingProgress* progress) const;

  private:
    ListerField field_;
    std::string letter_;
};

// The selector dialog's title ("Artist Selector", "Album  Selector",
// "Title Selector") and the caption word above its list.
const std::string& selectorTitle(ListerField field);
const std::string& selectorCaption(ListerField field);

}  // namespace sonara
