// The path cache reader on arbitrary bytes, then lookups of what it holds.
#include <cstddef>
#include <cstdint>

#include "core/io/ArchiveReader.h"
#include "core/library/PathCache.h"
#include "core/library/PathCacheFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sonara::PathCache cache;
    sonara::ArchiveReader in({data, size});
    sonara::path_cache_file::read(in, cache);
    for (size_t i = 0; i < cache.count(); ++i) {
        if (!cache.find(cache.at(i).fileName)) {
            __builtin_trap();  // every loaded name must be found again
        }
    }
    return 0;
}
