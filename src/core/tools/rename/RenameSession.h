#pragma once

#include <string>
#include <vector>

#include "core/io/Result.h"
#include "core/tools/ToolFolders.h"
#include "core/tools/rename/TagRename.h"

namespace sonara {

class Library;
class PathCache;
class Prompter;

struct RenameApplied {
    RenameResult result;
    // Library records that took their file's new name; when any did, the
    // front end saves the library and the path cache.
    int recordsMoved = 0;
};

// One run of "Rename Files Based on Tag Info", whatever shows it: the
// folders to search, the proposals with their ticks, and the rename, each
// long step in the "Please wait..." progress dialog. The library records of
// renamed files follow them, so their play counts survive the next update.
// The window and the command line are front ends over it. User-interface
// thread.
class RenameSession {
  public:
    explicit RenameSession(Prompter& prompter);

    // "Sonara Sources": the library's source folders.
    void useSources(const SourcesList& sources) { start_.useSources(sources); }
    // "By Folder (Recursive)": the picked folders. One that is not a folder
    // is refused (Absent, naming it) and nothing changes.
    Status useFolders(const std::vector<std::string>& folders) { return start_.usePicked(folders); }
    const std::vector<std::string>& folders() const { return start_.folders(); }

    // Searches the chosen folders afresh; a cancelled search keeps what it
    // found (cancelled() tells).
    void search();
    bool cancelled() const { return search_.cancelled; }

    const std::vector<RenameCandidate>& candidates() const { return search_.candidates; }
    // A double click on a row: only a row with a tag changes. Returns its
    // tick.
    bool toggle(size_t row);
    void clearAll();
    // "Tag Info" after the tag dialog's OK: the row proposes the dialog's
    // artist and title.
    void retag(size_t row, const std::string& artist, const std::string& title);

    // "Rename": asks, then renames the ticked rows with a tag; the records
    // of `library` and `cache` follow their files. The list is not rebuilt;
    // a new search shows the result.
    RenameApplied apply(Library& library, PathCache& cache);

  private:
    Prompter& prompter_;
    StartFolders start_;
    RenameSearch search_;
};

}  // namespace sonara
