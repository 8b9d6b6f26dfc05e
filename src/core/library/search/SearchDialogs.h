#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/library/search/SearchField.h"

namespace sonara {

class GenrePicker;
class ListingProgress;
struct ListedValue;

// The dialogs a library search opens; the user interface shows them (a test
// or the command line answers for the user). User-interface thread only.
class SearchDialogs {
  public:
    virtual ~SearchDialogs() = default;

    // Runs the genre picker over `picker` until OK or Cancel; true on OK, when
    // picker.accept() holds and its results are final.
    virtual bool pickGenres(GenrePicker& picker) = 0;
    // The selector dialog for `field` (selectorTitle(), selectorCaption())
    // listing `values`, which is never empty: the row chosen with OK, or
    // nothing on Cancel.
    virtual std::optional<size_t> selectValue(ListerField field,
                                              const std::vector<ListedValue>& values) = 0;
    // The "Please wait..." dialog of a long listing.
    virtual ListingProgress& listingProgress() = 0;
};

}  // namespace sonara
