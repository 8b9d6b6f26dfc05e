#pragma once

#include <string>
#include <vector>

#include "core/io/Result.h"
#include "core/metadata/Normaliser.h"

namespace sonara {

class LibraryRecord;
class PathCache;
class PreferenceStore;
class Prompter;
class SourcesList;

// The first "export(N).txt" (N from 0) in `programFolder` that does not
// exist yet.
std::string proposeExportName(const std::string& programFolder);

// When "ExportFN" is empty, stores the proposed name and saves the
// preferences. Returns the destination to show.
std::string ensureExportName(PreferenceStore& store, const std::string& programFolder);

struct ReportOptions {
    int contents = 0;    // 0 library name, 1 path name, 2 both
    int numColumns = 0;  // songs per line minus one
    int delimiter = 0;   // 0 comma, 1 space, 2 tab; anything else comma
};

// Where path names come from: the path cache first, then the sources.
struct ReportLookup {
    const PathCache& cache;
    SourcesList& sources;
    NormaliseOptions normalise;
};

// The report's whole text: items joined by the delimiter, NumColumns + 1 to
// a line, every line ending "\r\n".
std::string reportText(const std::vector<const LibraryRecord*>& records,
                       const ReportOptions& options, const ReportLookup& lookup);

// Writes the report to `destination` (atomically: a failed write leaves any
// old file whole), with the "Please wait..." progress for 21 records or
// more; a Cancel there writes nothing and says nothing (Cancelled). Shows
// 178 "Report successfully generated." only when the file was written;
// otherwise says that it could not be written. Failure in the result.
Status writeReport(const std::vector<const LibraryRecord*>& records, const ReportOptions& options,
                   const ReportLookup& lookup, const std::string& destination, Prompter& prompter);

}  // namespace sonara
