#pragma once

#include <string>

#include "core/io/DataFile.h"
#include "core/io/Result.h"

namespace sonara {

class ArchiveReader;
class ArchiveWriter;
class Prompter;
class SourcesList;

// The sources file: a count, then per source the medium name, the folder and
// the user-added flag. The entries before any damage are kept.
namespace sources_file {

bool read(ArchiveReader& in, SourcesList& sources);
void write(ArchiveWriter& out, const SourcesList& sources);
LoadOutcome load(const std::string& path, SourcesList& sources);
Status save(const std::string& path, const SourcesList& sources, Prompter& prompter);

}  // namespace sources_file
}  // namespace sonara
