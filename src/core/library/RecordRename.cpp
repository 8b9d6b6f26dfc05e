#include "core/library/RecordRename.h"

#include <utility>
#include <vector>

#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/library/LibraryRecord.h"
#include "core/library/PathCache.h"

namespace sonara {

void followRename(PathCache& cache, const std::string& oldPath, const std::string& newPath) {
    const std::string newName = files::namePart(newPath);
    int32_t inLibrary = 0;
    std::vector<PathCacheEntry> kept;
    kept.reserve(cache.count() + 1);
    for (const PathCacheEntry& entry : cache.entries()) {
        if (entry.fullPath == oldPath) {
            inLibrary = entry.inLibrary;
            continue;
        }
        // The library record now stands for the renamed file, so a stale
        // entry of the new name must not send lookups elsewhere.
        if (text::equalsNoCase(entry.fileName, newName)) {
            continue;
        }
        kept.push_back(entry);
    }
    kept.push_back({newName, inLibrary, newPath});
    cache.clear();
    for (PathCacheEntry& entry : kept) {
        cache.append(std::move(entry));
    }
    cache.sort();
}

bool moveRecordToRenamedFile(Library& library, PathCache& cache, const std::string& oldPath,
                             const std::string& newPath) {
    const std::string oldName = files::namePart(oldPath);
    const std::string newName = files::namePart(newPath);
    LibraryRecord* record = library.at(library.findByName(oldName));
    const std::optional<size_t> entry = cache.find(oldName);
    if (record == nullptr || !entry || cache.at(*entry).fullPath != oldPath) {
        return false;
    }
    const std::optional<size_t> other = library.findByName(newName);
    if (other && library.at(*other) != record) {
        return false;
    }
    record->setFileName(newName);
    library.markUnsorted();
    followRename(cache, oldPath, newPath);
    return true;
}

}  // namespace sonara
