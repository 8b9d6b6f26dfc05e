#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sonara {

struct PathCacheEntry {
    std::string fileName;  // bare file name: the lookup key
    int32_t inLibrary = 0;
    std::string fullPath;
};

// Index from bare file name to the full path where the last scan found it,
// kept sorted by file name (ignoring case) for binary search.
class PathCache {
  public:
    size_t count() const { return entries_.size(); }
    const PathCacheEntry& at(size_t i) const { return entries_[i]; }
    PathCacheEntry& at(size_t i) { return entries_[i]; }
    const std::vector<PathCacheEntry>& entries() const { return entries_; }

    // Index of an entry whose name equals `fileName` ignoring case, or -1.
    long find(const std::string& fileName) const;
    // Adds {name, 0, fullPath} at its sorted place unless the name is known.
    bool addFile(const std::string& fullPath);

    void clear() { entries_.clear(); }
    // For loading and scans: append, then sort() once.
    void append(PathCacheEntry entry) { entries_.push_back(std::move(entry)); }
    void sort();

  private:
    std::vector<PathCacheEntry> entries_;
};

}  // namespace sonara
