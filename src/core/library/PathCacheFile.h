#pragma once

#include <string>

#include "core/io/DataFile.h"
#include "core/io/Result.h"

namespace sonara {

class ArchiveReader;
class ArchiveWriter;
class PathCache;
class Prompter;

// The path cache file: a count, then per entry the file name, the in-library
// flag and the full path. Sorted after reading, also after damage.
namespace path_cache_file {

bool read(ArchiveReader& in, PathCache& cache);
void write(ArchiveWriter& out, const PathCache& cache);
// A damaged file shows "Resources low"; the entries read so far remain.
LoadOutcome load(const std::string& path, PathCache& cache, Prompter& prompter);
Status save(const std::string& path, const PathCache& cache, Prompter& prompter);

}  // namespace path_cache_file
}  // namespace sonara
