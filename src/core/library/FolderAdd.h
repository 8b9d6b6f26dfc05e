#pragma once

#include <string>

namespace sonara {

class Progress;
struct LibraryScope;

struct FolderAddResult {
    bool ok = false;  // false: the user declined, or cancelled the walk
    int added = 0;
    bool cancelled = false;
    bool incomplete = false;  // some folder below could not be read
};

// Adds a folder tree to the library (the setup wizard and folder adds). A
// folder on a removable or CD-ROM drive must be given a medium name, asked
// for with the removable-media name dialog; with `promptForName` (the
// preference "PromptForCollectionName") other folders are asked for one
// too, and a Cancel there asks whether to go on without. The folder joins
// the sources; each new file becomes a record with that name and enters the
// path cache. Each file is shown on `progress`; its cancel flag stops the
// walk (nothing is added then) or the adding, which also stops when a record
// cannot be made. When songs were added and
// the walk was not cancelled, the caller saves the library and the sources.
FolderAddResult addFolderToLibrary(const std::string& folder, LibraryScope& scope,
                                   bool promptForName, Progress& progress);

}  // namespace sonara
