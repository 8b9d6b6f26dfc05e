#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/ScanCoverage.h"

namespace sonara {

class Drives;
class Library;
class Progress;
class RecordFactory;
class SourcesList;

struct PathCacheEntry {
    std::string fileName;  // bare file name: the lookup key
    int32_t inLibrary = 0;
    std::string fullPath;
};

struct UpdateCounts {
    int added = 0;
    int removed = 0;
};

// Index from bare file name to the full path where the last scan found it,
// kept sorted by file name (ignoring case) for binary search.
class PathCache {
  public:
    size_t count() const { return entries_.size(); }
    const PathCacheEntry& at(size_t i) const { return entries_[i]; }
    PathCacheEntry& at(size_t i) { return entries_[i]; }
    const std::vector<PathCacheEntry>& entries() const { return entries_; }

    // Index of an entry whose name equals `fileName` ignoring case.
    std::optional<size_t> find(std::string_view fileName) const;
    // Adds {name, 0, fullPath} at its sorted place unless the name is known.
    bool addFile(const std::string& fullPath);
    // The same for many files at once, in one merge; of new files with one
    // name the first stays. Returns how many were added.
    size_t addFiles(const std::vector<std::string>& fullPaths);

    void clear() { entries_.clear(); }
    // For loading and scans: append, then sort() once.
    void append(PathCacheEntry entry) { entries_.push_back(std::move(entry)); }
    void sort();

    // Empties the cache, then walks in list order every source whose scan
    // bit is in `mask` and whose folder is there (an absent one gets state
    // 0), adding each "*.MP3" file; of two files with one name the first
    // found stays. Sorted at the end, also after a cancel. Each file is
    // shown on `progress`, whose cancel flag stops the walk.
    ScanCoverage build(SourcesList& sources, int mask, const Drives& drives, Progress& progress);

    // Reconciles `library` with what the last build found (the library is
    // sorted by file name when something is added). A record without a medium name whose file is in
    // the cache marks its entry as in the library; one whose file is not is removed only when its
    // file is gone for certain (see below). Then every file without a record is added. `previous`
    // is the cache as it was before that build: where each file was last seen.
    //
    // Gone for certain: the file is not where it was last seen and the build
    // read that place in full, or that place lies in no source and its folder
    // is there without the file; for a file never seen, every source without
    // a medium name was read in full. After a cancelled build nothing is
    // removed or added; a cancel while adding stops the adding.
    UpdateCounts updateLibrary(Library& library, RecordFactory& factory,
                               const ScanCoverage& coverage, const PathCache& previous,
                               Progress& progress);

  private:
    std::vector<PathCacheEntry> entries_;
};

}  // namespace sonara
