#include "core/library/PathCache.h"

#include <algorithm>

#include "core/io/FileAttributes.h"
#include "core/io/Text.h"

namespace sonara {

namespace {

bool nameLess(const PathCacheEntry& e, const std::string& name) {
    return text::compareNoCase(e.fileName, name) < 0;
}

}  // namespace

long PathCache::find(const std::string& fileName) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), fileName, nameLess);
    if (it != entries_.end() && text::equalsNoCase(it->fileName, fileName)) {
        return long(it - entries_.begin());
    }
    return -1;
}

bool PathCache::addFile(const std::string& fullPath) {
    std::string name = files::namePart(fullPath);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), name, nameLess);
    if (it != entries_.end() && text::equalsNoCase(it->fileName, name)) {
        return false;
    }
    entries_.insert(it, PathCacheEntry{std::move(name), 0, fullPath});
    return true;
}

void PathCache::sort() {
    // Stable, so that of two entries with one name the first found stays first.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const PathCacheEntry& a, const PathCacheEntry& b) {
                         return text::compareNoCase(a.fileName, b.fileName) < 0;
                     });
}

}  // namespace sonara
