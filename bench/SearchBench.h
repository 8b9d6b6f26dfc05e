#pragma once

#include <string>

#include "ResultTable.h"

namespace sonara {
class Library;
}

namespace sonara::bench {

// Appends `count` generated records: about 6,000 artists over every first
// letter, six in ten tagged, the rest with file-name values a third of which
// hold underscores or brackets. The same seed each call: the same records.
void fillLibrary(Library& library, int count);
// Those records written as the library file at `path`; false, with the
// reason on stdout, when the file could not be written.
bool saveGeneratedLibrary(const std::string& path, int count);

// The library list's search, letter filter and artist selector over a
// library of `records` records, each beside a plain pass over the same
// stored texts or the library's own sort.
void runSearchBench(int records, ResultTable& table);

}  // namespace sonara::bench
