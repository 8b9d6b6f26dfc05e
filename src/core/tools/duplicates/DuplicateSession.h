#pragma once

#include <string>
#include <vector>

#include "core/io/Result.h"
#include "core/tools/ToolFolders.h"
#include "core/tools/duplicates/DuplicateDeletion.h"
#include "core/tools/duplicates/DuplicateFinder.h"
#include "core/tools/duplicates/DuplicatePreferences.h"

namespace sonara {

class Prompter;

// One run of the MP3 Space Maker, whatever shows it: the folders to search,
// the search and its list with the marks, and the deletion of the marked
// copies, each long step in the "MP3 Space Maker" progress dialog. The
// dialog and the command line are front ends over it. User-interface
// thread.
class DuplicateSession {
  public:
    DuplicateSession(DuplicatePreferences& preferences, Prompter& prompter);

    // The options the search and the deletion use: the stored ones, which a
    // front end may change for this session only.
    DuplicateOptions& options() { return options_; }
    // The Options dialog's OK: the session's options become the stored ones.
    void storeOptions();
    // Where the folder browser starts: the folder last searched.
    const std::string& browseStart() const;

    // "Sonara Sources": the library's source folders.
    void useSources(const SourcesList& sources) { start_.useSources(sources); }
    // "By Folder (Recursive)": the picked folders, the last of which is
    // remembered as the folder last searched. One that is not a folder is
    // refused (Absent, naming it) and nothing changes.
    Status useFolders(const std::vector<std::string>& folders);
    const std::vector<std::string>& folders() const { return start_.folders(); }

    // Searches the chosen folders afresh. A cancelled search keeps what it
    // found (cancelled() tells).
    void search();
    bool cancelled() const { return search_.cancelled; }
    // After the list is shown: text 2001 when it is empty; true when shown.
    bool tellWhenNoneFound();

    const std::vector<DuplicateEntry>& entries() const { return search_.entries; }
    // A double click on a row; returns its new mark.
    bool toggle(size_t row);
    void clearAll() { clearMarks(search_.entries); }
    std::string totalFoundLine() const;
    std::string totalMarkedLine() const;

    // "Delete": the marked copies, with the question and the per-file
    // messages through `asker` (the session's prompter when null). After a
    // Yes the list is emptied: a new search shows what is left.
    DeletionResult deleteMarked(Prompter* asker = nullptr);

  private:
    DuplicatePreferences& preferences_;
    Prompter& prompter_;
    DuplicateOptions options_;
    StartFolders start_;
    DuplicateSearch search_;
};

}  // namespace sonara
