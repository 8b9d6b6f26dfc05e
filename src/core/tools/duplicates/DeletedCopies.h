#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/tools/duplicates/DuplicateFinder.h"

namespace sonara {

class Library;
class PathCache;

// What the library must forget after the marked copies of a search were
// deleted: the records named after a file of which no copy is left on disk,
// and the path-cache entries that pointed at a deleted copy.
struct DeletedCopies {
    std::vector<size_t> doomedRecords;  // library indices, descending
    // Cache entries to point at a copy that is still there.
    std::vector<std::pair<size_t, std::string>> repointed;

    bool touchesLibrary() const { return !doomedRecords.empty() || !repointed.empty(); }
};

// Looks at `entries` (the list the deletion ran over) against the disk now.
// Reads only.
DeletedCopies findDeletedCopies(const std::vector<DuplicateEntry>& entries, const Library& library,
                                const PathCache& cache);

// Removes the doomed records and repoints the cache entries. The caller lets
// every view of the records go first.
void forgetDeletedCopies(const DeletedCopies& copies, Library& library, PathCache& cache);

}  // namespace sonara
