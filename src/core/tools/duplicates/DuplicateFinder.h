#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sonara {

class Progress;

// One copy of a name that is stored more than once.
struct DuplicateEntry {
    std::string fileName;  // with its extension
    std::string key;       // what equal copies share
    std::string folder;    // ending with "/"
    uint64_t size = 0;     // bytes; 0 when the file could not be opened
    bool marked = true;    // checked for deletion

    std::string path() const { return folder + fileName; }
};

// The comparison key of a file name: the name itself, or with `stripChars`
// the name in upper case with every ASCII character but A-Z and 0-9 removed
// (other characters are kept). A name whose part before the extension keeps
// nothing is its own key.
std::string duplicateKey(const std::string& fileName, bool stripChars);

struct DuplicateSearch {
    // In list order: groups of equal keys (ignoring case), each led by its
    // largest file, which is the only unmarked entry of the group.
    std::vector<DuplicateEntry> entries;
    bool cancelled = false;
};

// Walks each folder (files, then sub-folders depth first) for "*.MP3" files
// and keeps the names found more than once. `progress` (optional) shows each
// file and is tested for Cancel between files; a cancelled search goes on
// with what it found. The same file reached twice (overlapping folders, a
// linked folder) counts once, so it never stands as its own duplicate.
DuplicateSearch findDuplicates(const std::vector<std::string>& folders, bool stripChars,
                               Progress* progress);

// " Total Duplicates Found (Size):" and " Items Marked for Deletion (Size):"
// lines: the count, then the size in KB with "," between thousands.
std::string groupedKilobytes(uint64_t bytes);
std::string totalFoundLine(const std::vector<DuplicateEntry>& entries);
std::string totalMarkedLine(const std::vector<DuplicateEntry>& entries);

// "Clear All": unchecks every entry.
void clearMarks(std::vector<DuplicateEntry>& entries);

}  // namespace sonara
