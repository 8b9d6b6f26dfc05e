#pragma once

#include <string>
#include <vector>

#include "core/io/Result.h"

namespace sonara {

class SourcesList;

// The start folders of a library tool's search, as its "Search" menu offers
// them.

// "Sonara Sources": every source folder of the library, in list order.
std::vector<std::string> sourceFolders(const SourcesList& sources);

// "By Folder (Recursive)": the picked folders, each ending with "/". One
// that is not a folder is refused (Absent, naming it) and none is taken.
Result<std::vector<std::string>> pickedFolders(const std::vector<std::string>& picked);

// A tool session's start folders, chosen one of those two ways.
class StartFolders {
  public:
    void useSources(const SourcesList& sources) { folders_ = sourceFolders(sources); }
    // A refused pick leaves the folders as they were.
    Status usePicked(const std::vector<std::string>& picked);
    const std::vector<std::string>& folders() const { return folders_; }

  private:
    std::vector<std::string> folders_;
};

}  // namespace sonara
