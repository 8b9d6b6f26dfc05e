#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sonara {

class Prompter;
class Progress;

// One MP3 file found by the search.
struct RenameCandidate {
    bool hasTag = false;   // the file has an ID3v1 block
    std::string oldName;   // current name, without folder
    std::string newName;   // proposed name
    std::string folder;    // ending with "/"
    bool process = false;  // proposed for renaming (the row's tick)

    std::string oldPath() const { return folder + oldName; }
    std::string newPath() const { return folder + newName; }
};

// artist + " - " + title + ".MP3", the name a tag proposes.
std::string nameFromTag(const std::string& artist, const std::string& title);

// The candidate for the file `folder` + `name`: reads its tag.
RenameCandidate makeCandidate(const std::string& folder, const std::string& name);

struct RenameSearch {
    std::vector<RenameCandidate> candidates;  // in list order
    bool cancelled = false;
};

// Walks each start folder (files, then sub-folders depth first), making a
// candidate of every "*.MP3" file, then sorts them: process 1 first, then by
// new name ignoring case. `progress` (optional) shows each file and is
// tested for Cancel between files; a cancelled search keeps what it found.
RenameSearch searchForRename(const std::vector<std::string>& folders, Progress* progress);

// Process becomes 1 only for a candidate with a tag (a double click on a row
// without one changes nothing). Returns the new state.
bool toggleProcess(RenameCandidate& candidate);

struct RenameResult {
    bool asked = false;  // the user answered Yes
    int renamed = 0;
    int failed = 0;   // messages 2006 or 2007 shown
    int skipped = 0;  // vanished files
};

// Asks "Rename the checked files?", then renames every ticked candidate
// with a tag, in order. A read-only file gets 2006, a name that would leave
// the folder, a clash with an existing file or any other failed move 2007;
// the next file is tried. An existing file is never replaced. The candidates
// are not changed: a new search shows the result. `renamed` (optional) hears
// of each file moved, so the caller can make its library record follow.
using RenamedFile = std::function<void(const RenameCandidate&)>;
RenameResult renameCandidates(const std::vector<RenameCandidate>& candidates, Prompter& prompter,
                              Progress* progress, const RenamedFile& renamed = {});

}  // namespace sonara
