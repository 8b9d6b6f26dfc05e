#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/io/DataFile.h"
#include "core/io/Result.h"

namespace sonara {

class ArchiveReader;
class ArchiveWriter;
class Library;
class Prompter;

// The library file: version (written as 3), record count, then the records.
// There is no header or checksum; every version is read with one layout.
namespace library_file {

// Replaces the library's records with the file's. A file cut or damaged in
// record k keeps records 1..k-1. A file without a whole header leaves the
// library unchanged. Afterwards the library is unsorted.
bool read(ArchiveReader& in, Library& library);
// The same from the whole file's bytes, which the library keeps: the records
// borrow their texts from them instead of copying each one.
bool read(std::unique_ptr<char[]> bytes, size_t size, Library& library);
void write(ArchiveWriter& out, const Library& library);

LoadOutcome load(const std::string& path, Library& library);
Status save(const std::string& path, const Library& library, Prompter& prompter);

}  // namespace library_file
}  // namespace sonara
