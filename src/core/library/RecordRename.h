#pragma once

#include <string>

namespace sonara {

class Library;
class PathCache;

// Points the cache at a renamed file: the old name's entry, when it named
// this file, goes, and the new name leads to the new path.
void followRename(PathCache& cache, const std::string& oldPath, const std::string& newPath);

// After a file was renamed on disk outside the record editor: the library
// record of the file at `oldPath` (the record of that name whose cache entry
// points there) takes the new name, so its play count and edits survive the
// next update. Nothing changes when no record stands for that file or
// another record already has the new name (records are known by bare name;
// the two would become one). Leaves the library unsorted when it changes.
bool moveRecordToRenamedFile(Library& library, PathCache& cache, const std::string& oldPath,
                             const std::string& newPath);

}  // namespace sonara
