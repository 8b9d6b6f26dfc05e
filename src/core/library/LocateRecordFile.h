#pragma once

#include <optional>
#include <string>

namespace sonara {

class PathCache;
class Prompter;
class SourcesList;
class LibraryRecord;

// Finds a record's file: the path cache first, then a search of every
// present source folder tree. With `prompter` set, a file that cannot be
// found is reported (naming the removable medium when the record has one).
std::optional<std::string> locateRecordFile(const LibraryRecord& record, const PathCache& cache,
                                            SourcesList& sources, Prompter* prompter);

}  // namespace sonara
