#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sonara {

// True when `name` matches one of the ";"-separated patterns ("*" and "?"
// wildcards), ignoring case: Linux names are case-sensitive, MP3 patterns
// are not.
bool matchesPattern(std::string_view name, std::string_view patterns);

struct WalkResult {
    long filesVisited = 0;
    bool cancelled = false;
    // Some folder below the start could not be read (permissions, I/O
    // error, vanished while walked): its files were not seen.
    bool incomplete = false;
    // Those folders, each with its trailing "/"; the start folder itself
    // when it could not be opened.
    std::vector<std::string> unreadFolders;
};

// Walks a folder tree depth first: first the folder's files whose names
// match `patterns` (hidden files included) in the order the file system
// lists them, then each sub-folder in turn. Symbolic links to folders are
// followed once; a link that leads back into a folder already walked is
// passed over, so loops end. `visit` gets each full path and returns false
// to stop; `cancel` (optional) is tested between files.
WalkResult walkFolder(const std::string& folder, std::string_view patterns,
                      const std::function<bool(const std::string&)>& visit,
                      const std::atomic<bool>* cancel = nullptr);

}  // namespace sonara
