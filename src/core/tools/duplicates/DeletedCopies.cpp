#include "core/tools/duplicates/DeletedCopies.h"

#include <algorithm>
#include <string_view>

#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/Library.h"
#include "core/library/PathCache.h"

namespace sonara {

namespace {

// A copy of `fileName` (equal ignoring case) that is still on disk.
const DuplicateEntry* survivorOf(const std::vector<DuplicateEntry>& entries,
                                 const std::string& fileName) {
    for (const DuplicateEntry& entry : entries) {
        if (text::equalsNoCase(entry.fileName, fileName) && files::exists(entry.path())) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

DeletedCopies findDeletedCopies(const std::vector<DuplicateEntry>& entries, const Library& library,
                                const PathCache& cache) {
    DeletedCopies copies;
    std::vector<std::string> gone;
    for (const DuplicateEntry& entry : entries) {
        if (!entry.marked || files::exists(entry.path())) {
            continue;
        }
        const DuplicateEntry* survivor = survivorOf(entries, entry.fileName);
        if (const std::optional<size_t> cached = cache.find(entry.fileName);
            cached && cache.at(*cached).fullPath == entry.path() && survivor != nullptr) {
            copies.repointed.emplace_back(*cached, survivor->path());
        }
        if (survivor == nullptr) {
            gone.push_back(entry.fileName);
        }
    }
    // One pass, whatever order the library is in.
    for (size_t i = 0; !gone.empty() && i < library.count(); ++i) {
        const std::string_view name = library.at(i)->fileName();
        if (std::any_of(gone.begin(), gone.end(),
                        [&](const std::string& g) { return text::equalsNoCase(g, name); })) {
            copies.doomedRecords.push_back(i);
        }
    }
    std::sort(copies.doomedRecords.rbegin(), copies.doomedRecords.rend());
    copies.doomedRecords.erase(
        std::unique(copies.doomedRecords.begin(), copies.doomedRecords.end()),
        copies.doomedRecords.end());
    return copies;
}

void forgetDeletedCopies(const DeletedCopies& copies, Library& library, PathCache& cache) {
    for (const auto& [index, path] : copies.repointed) {
        cache.at(index).fullPath = path;
    }
    // Descending, so no removal shifts a record still to be removed.
    for (size_t index : copies.doomedRecords) {
        library.removeAt(index);
    }
}

}  // namespace sonara
