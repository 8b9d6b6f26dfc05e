#pragma once

#include <string>
#include <vector>

namespace sonara {

class Drives;
class Library;
class PathCache;
class Prompter;
class RecordFactory;
class SourcesList;

// What the scans work on, borrowed from the application for one call.
struct LibraryScope {
    Library& library;
    SourcesList& sources;
    PathCache& cache;
    RecordFactory& factory;
    Drives& drives;
    Prompter& prompter;
};

struct AvailabilityResult {
    bool finished = false;  // the walk ended without Cancel
    int available = 0;
    int missing = 0;
};

// "Check Availability": rebuilds the path cache from every source (only
// removable media and named media with `removableOnly`) inside the progress
// dialog "Checking Availability", then marks each record available, missing
// or missing on its medium. With `removableOnly` records without a medium
// name keep their mark; after a Cancel so does every record not found, as
// the walk may not have reached it. The caller saves the library and the
// path cache, then shows "Finished checking availability" when asked to.
AvailabilityResult checkAvailability(LibraryScope& scope, bool removableOnly);

struct LibraryUpdateResult {
    bool finished = false;  // the dialog ended without Cancel
    int added = 0;
    int removed = 0;
    // Absent sources and folders that could not be read: their songs were
    // kept.
    std::vector<std::string> unreachable;
};

// "Update Library": rebuilds the path cache from the fixed and network
// sources inside the progress dialog "Updating Library", then drops the
// records whose files are gone for certain and adds the new files (see
// PathCache::updateLibrary). The caller saves the path cache, then the
// library, and shows libraryUpdateText() when the update finished.
LibraryUpdateResult runLibraryUpdate(LibraryScope& scope);

// "3 files added. 1 files removed."
std::string libraryUpdateText(const LibraryUpdateResult& result);

}  // namespace sonara
