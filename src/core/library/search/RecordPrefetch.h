#pragma once

#include <cstddef>
#include <string_view>

#include "core/library/LibraryRecord.h"

namespace sonara {

// A search reads every record once, and records and their texts lie apart in
// memory: waiting for memory is most of its cost. Asking for each record
// some steps ahead, and for its texts once the record itself has come,
// overlaps those waits. `at(i)` gives the i-th record of `n`.
template <typename At, typename Visit>
void visitPrefetched(size_t n, At&& at, Visit&& visit) {
    constexpr size_t kRecordsAhead = 16;
    constexpr size_t kTextsAhead = 8;
    for (size_t i = 0; i < n; ++i) {
        if (i + kRecordsAhead < n) {
            __builtin_prefetch(at(i + kRecordsAhead));
        }
        if (i + kTextsAhead < n) {
            // The texts lie back to back from the file name on; the tag's
            // title and artist mostly fall within the first two lines.
            const char* texts = at(i + kTextsAhead)->fileName().data();
            __builtin_prefetch(texts);
            __builtin_prefetch(texts + 64);
        }
        visit(at(i));
    }
}

}  // namespace sonara
