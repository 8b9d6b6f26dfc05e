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
    // Stopped early: by `cancel`, or by a visitor that said so.
    bool cancelled = false;
    // Some folder below the start could not be read (permissions, I/O
    // error, vanished while walked): its files were not seen.
    bool incomplete = false;
    // Those folders, each with its trailing "/"; the start folder itself
    // when it could not be opened.
    std::vector<std::string> unreadFolders;
};

// What a folder visitor wants done with the folder it was shown.
enum class FolderStep {
    Enter,  // list its files, then walk its sub-folders
    Skip,   // pass over it and everything below it
    Stop,   // end the walk here
};

struct WalkOptions {
    std::string_view patterns = "*";  // the files visited
    // Symbolic links to folders and files are followed; without, a link is
    // passed over as neither.
    bool followLinks = true;
    // Folders on another filesystem than the start folder (mounts below it)
    // are passed over without being shown to `folder`.
    bool oneFilesystem = false;
    // Shown each folder reached (the start included, with its trailing "/")
    // before it is listed, also one that then cannot be opened.
    std::function<FolderStep(const std::string&)> folder;
    // Tested before each folder and between files.
    const std::atomic<bool>* cancel = nullptr;
};

// Walks a folder tree depth first: first the folder's regular files whose
// names match the patterns (hidden files included) in the order the file
// system lists them, then each sub-folder in turn, in that order too. A
// folder reached twice (through links, or a link back into a folder
// already walked) is walked once, so loops end. A folder that cannot be
// opened is noted in the result and the walk goes on. `visit` gets each
// file's full path and returns false to stop.
WalkResult walkFolder(const std::string& folder, const WalkOptions& options,
                      const std::function<bool(const std::string&)>& visit);

// The same with the default options: links followed, across filesystems.
WalkResult walkFolder(const std::string& folder, std::string_view patterns,
                      const std::function<bool(const std::string&)>& visit,
                      const std::atomic<bool>* cancel = nullptr);

// One folder's own listing through the same walk: its matching files in
// the order the file system lists them, and each of its sub-folders (with
// its trailing "/") to `subFolder` when given, without entering them.
WalkResult listFolder(const std::string& folder, std::string_view patterns,
                      const std::function<bool(const std::string&)>& visit,
                      const std::function<void(const std::string&)>& subFolder = {});

}  // namespace sonara
