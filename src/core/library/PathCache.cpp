#include "core/library/PathCache.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <numeric>
#include <utility>

#include "core/app/Prompter.h"
#include "core/io/FileAttributes.h"
#include "core/io/Text.h"
#include "core/library/DiskNames.h"
#include "core/library/Drives.h"
#include "core/library/FolderWalk.h"
#include "core/library/Library.h"
#include "core/library/SourcesList.h"

namespace sonara {

namespace {

constexpr const char* kMp3Pattern = "*.MP3";

bool nameLess(const PathCacheEntry& e, std::string_view name) {
    return text::compareNoCase(e.fileName, name) < 0;
}

void showPath(Progress& progress, const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string_view whole(path);
    progress.show(whole.substr(slash + 1), whole.substr(0, slash + 1));
}

// A file's cache key: its name as the cache file will give it back.
std::string keyOf(const std::string& path) {
    std::string name = files::namePart(path);
    return text::isValidUtf8(name) ? name : disk_names::key(name);
}

// Whether a record's file, not found by the build, is gone for certain
// rather than out of the build's sight.
bool isGone(const LibraryRecord& record, const ScanCoverage& coverage, const PathCache& previous) {
    const std::optional<size_t> last = previous.find(record.fileName());
    if (!last || previous.at(*last).fullPath.rfind('/', 0) != 0) {
        return coverage.complete();
    }
    const auto spellings = disk_names::spellings(previous.at(*last).fullPath);
    bool seen = false;
    for (const std::string& path : spellings) {
        if (files::exists(path)) {
            return false;  // still there, whatever the walk made of it
        }
        switch (coverage.sightOf(path)) {
            case ScanCoverage::Sight::Seen:
                seen = true;
                break;
            case ScanCoverage::Sight::Unseen:
                return false;
            case ScanCoverage::Sight::Outside:
                break;
        }
    }
    if (seen) {
        return true;
    }
    // In no source: gone when the folder it was in is there without it.
    return std::any_of(spellings.begin(), spellings.end(), [](const std::string& path) {
        return files::isDirectory(files::folderPart(path));
    });
}

// Whether the library holds `path`'s file under the name it read back as.
bool heldUnderKey(Library& library, const std::string& path) {
    const std::string name = files::namePart(path);
    return !text::isValidUtf8(name) && library.findByName(disk_names::key(name)).has_value();
}

// Stable: of two entries with one name the first stays first.
void sortByName(std::vector<PathCacheEntry>& entries) {
    // The names folded once into one buffer, so that the sort compares bytes
    // and moves indices rather than folding and moving strings. Folded bytes
    // in unsigned order are the order of compareNoCase().
    std::string folded;
    std::vector<std::pair<size_t, size_t>> spans;
    spans.reserve(entries.size());
    for (const PathCacheEntry& entry : entries) {
        spans.emplace_back(folded.size(), entry.fileName.size());
        for (const char c : entry.fileName) {
            folded += text::foldAscii(c);
        }
    }
    const auto key = [&](size_t i) {
        return std::string_view(folded).substr(spans[i].first, spans[i].second);
    };
    std::vector<size_t> order(entries.size());
    std::iota(order.begin(), order.end(), size_t(0));
    // Stable, so that of two entries with one name the first found stays first.
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return key(a) < key(b); });
    std::vector<PathCacheEntry> sorted;
    sorted.reserve(entries.size());
    for (const size_t i : order) {
        sorted.push_back(std::move(entries[i]));
    }
    entries.swap(sorted);
}

bool sameName(const PathCacheEntry& a, const PathCacheEntry& b) {
    return text::equalsNoCase(a.fileName, b.fileName);
}

}  // namespace

std::optional<size_t> PathCache::find(std::string_view fileName) const {
    if (!text::isValidUtf8(fileName)) {
        return find(disk_names::key(fileName));
    }
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), fileName, nameLess);
    if (it != entries_.end() && text::equalsNoCase(it->fileName, fileName)) {
        return size_t(it - entries_.begin());
    }
    return std::nullopt;
}

bool PathCache::addFile(const std::string& fullPath) {
    std::string name = keyOf(fullPath);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), name, nameLess);
    if (it != entries_.end() && text::equalsNoCase(it->fileName, name)) {
        return false;
    }
    entries_.insert(it, PathCacheEntry{std::move(name), 0, fullPath});
    return true;
}

void PathCache::sort() {
    sortByName(entries_);
}

size_t PathCache::addFiles(const std::vector<std::string>& fullPaths) {
    std::vector<PathCacheEntry> fresh;
    fresh.reserve(fullPaths.size());
    for (const std::string& path : fullPaths) {
        fresh.push_back(PathCacheEntry{keyOf(path), 0, path});
    }
    sortByName(fresh);
    fresh.erase(std::unique(fresh.begin(), fresh.end(), sameName), fresh.end());
    std::erase_if(fresh,
                  [&](const PathCacheEntry& entry) { return find(entry.fileName).has_value(); });
    std::vector<PathCacheEntry> merged;
    merged.reserve(entries_.size() + fresh.size());
    std::merge(std::make_move_iterator(entries_.begin()), std::make_move_iterator(entries_.end()),
               std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()),
               std::back_inserter(merged), [](const PathCacheEntry& a, const PathCacheEntry& b) {
                   return text::compareNoCase(a.fileName, b.fileName) < 0;
               });
    entries_.swap(merged);
    return fresh.size();
}

ScanCoverage PathCache::build(SourcesList& sources, int mask, const Drives& drives,
                              Progress& progress) {
    clear();
    ScanCoverage coverage;
    const auto visit = [&](const std::string& path) {
        showPath(progress, path);
        entries_.push_back(PathCacheEntry{keyOf(path), 0, path});
        return true;
    };
    for (size_t i = 0; i < sources.count(); ++i) {
        SourceFolder& source = sources.at(i);
        const bool named = !source.mediaName.empty();
        if (progress.cancelled()) {
            coverage.setCancelled();
            coverage.addUnseen(source.folder, named);
            continue;
        }
        if (source.folder.empty()) {
            continue;
        }
        if (!inScanMask(sourceScanBit(source, drives), mask)) {
            coverage.addUnseen(source.folder, named);
            continue;
        }
        if (!source.isPresent()) {
            coverage.addAbsent(source.folder, named);
            continue;
        }
        WalkResult walk = walkFolder(source.folder, kMp3Pattern, visit, &progress.cancelFlag());
        if (walk.cancelled) {
            coverage.setCancelled();
            coverage.addUnseen(source.folder, named);
        } else {
            coverage.addWalked(withTrailingSlash(source.folder), std::move(walk.unreadFolders));
        }
    }
    // Sorted once; of equal names the first found stays, as addFile() keeps it.
    sort();
    entries_.erase(std::unique(entries_.begin(), entries_.end(), sameName), entries_.end());
    return coverage;
}

UpdateCounts PathCache::updateLibrary(Library& library, RecordFactory& factory,
                                      const ScanCoverage& coverage, const PathCache& previous,
                                      Progress& progress) {
    UpdateCounts counts;
    if (coverage.cancelled()) {
        return counts;
    }
    // The records without a medium name in file-name order, met with the
    // cache in one merge rather than a search each. A name that is not UTF-8
    // is looked up alone, under the key it reads back as.
    std::vector<size_t> order;
    order.reserve(library.count());
    for (size_t i = 0; i < library.count(); ++i) {
        if (library.at(i)->mediaName().empty()) {
            order.push_back(i);  // media come and go: their records stay
        }
    }
    const auto nameLessThan = [&](size_t a, size_t b) {
        return text::compareNoCase(library.at(a)->fileName(), library.at(b)->fileName()) < 0;
    };
    if (!std::is_sorted(order.begin(), order.end(), nameLessThan)) {
        std::sort(order.begin(), order.end(), nameLessThan);
    }
    std::vector<size_t> gone;
    size_t next = 0;
    for (const size_t i : order) {
        const LibraryRecord& record = *library.at(i);
        const std::string_view name = record.fileName();
        std::optional<size_t> hit;
        if (!text::isValidUtf8(name)) {
            hit = find(name);
        } else {
            while (next < entries_.size() &&
                   text::compareNoCase(entries_[next].fileName, name) < 0) {
                ++next;
            }
            if (next < entries_.size() && text::equalsNoCase(entries_[next].fileName, name)) {
                hit = next;
            }
        }
        if (hit) {
            entries_[*hit].inLibrary = 1;
        } else if (isGone(record, coverage, previous)) {
            gone.push_back(i);
        }
    }
    // From the back, so the indices still to go stay valid.
    std::sort(gone.begin(), gone.end(), std::greater<>());
    for (const size_t i : gone) {
        library.removeAt(i, 1);
    }
    counts.removed = int(gone.size());
    for (PathCacheEntry& entry : entries_) {
        if (progress.cancelled()) {
            break;
        }
        if (entry.inLibrary != 0) {
            continue;
        }
        showPath(progress, entry.fullPath);
        if (heldUnderKey(library, entry.fullPath)) {
            entry.inLibrary = 1;
            continue;
        }
        const AddResult result = library.addSong(entry.fullPath, "", factory);
        if (result.status == AddStatus::Added) {
            ++counts.added;
        }
        if (result.status != AddStatus::Failed) {
            entry.inLibrary = 1;
        }
    }
    return counts;
}

}  // namespace sonara
