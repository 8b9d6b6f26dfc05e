#include "core/library/PathCacheFile.h"

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/ArchiveReader.h"
#include "core/io/ArchiveWriter.h"
#include "core/library/PathCache.h"

namespace sonara::path_cache_file {

bool read(ArchiveReader& in, PathCache& cache) {
    cache.clear();
    uint32_t count = 0;
    bool complete = in.readUInt32(count);
    for (uint32_t i = 0; complete && i < count; ++i) {
        PathCacheEntry entry;
        complete = in.readString(entry.fileName) && in.readInt32(entry.inLibrary) &&
                   in.readString(entry.fullPath);
        if (complete) {
            cache.append(std::move(entry));
        }
    }
    cache.sort();
    return complete;
}

void write(ArchiveWriter& out, const PathCache& cache) {
    out.writeUInt32(uint32_t(cache.count()));
    for (const PathCacheEntry& entry : cache.entries()) {
        out.writeString(entry.fileName);
        out.writeInt32(entry.inLibrary);
        out.writeString(entry.fullPath);
    }
}

LoadOutcome load(const std::string& path, PathCache& cache, Prompter& prompter) {
    const LoadOutcome outcome =
        loadDataFile(path, [&](ArchiveReader& in) { return read(in, cache); });
    if (outcome == LoadOutcome::Damaged) {
        prompter.message(stringText(TextId::PathCacheDamaged), Icon::Exclamation);
    }
    return outcome;
}

Status save(const std::string& path, const PathCache& cache, Prompter& prompter) {
    return saveDataFile(path, prompter, [&](ArchiveWriter& out) { write(out, cache); });
}

}  // namespace sonara::path_cache_file
