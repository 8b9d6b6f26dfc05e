#pragma once

#include <string>
#include <vector>

namespace sonara {

// What one build of the path cache looked at, so that a library update can
// tell a file that is gone from one it could not see: a source that was
// absent (an unplugged disk, an unmounted share), a folder that could not
// be read, a source left out by the scan mask, a walk cut short by Cancel.
class ScanCoverage {
  public:
    // A source folder (ending with "/") walked to its end; `unreadFolders`
    // are the folders below it (or itself) that could not be read.
    void addWalked(const std::string& folder, std::vector<std::string> unreadFolders);
    // A source that was not walked, or not to its end; `named` when it has
    // a medium name (whose records no update removes).
    void addUnseen(const std::string& folder, bool named);
    // A source whose folder is not there.
    void addAbsent(const std::string& folder, bool named);
    void setCancelled() { cancelled_ = true; }

    bool cancelled() const { return cancelled_; }
    // Every source without a medium name was walked with every folder read.
    bool complete() const { return !cancelled_ && !unnamedUnseen_ && unread_.empty(); }

    enum class Sight {
        Seen,     // in a walked source, in no folder that went unread
        Unseen,   // in a source or folder this build could not look at
        Outside,  // in no source at all
    };
    // Whether the walk would have found a file at `path` had it been there.
    Sight sightOf(const std::string& path) const;

    // The absent source folders and the folders that could not be read, in
    // the order met.
    const std::vector<std::string>& unreachable() const { return unreachable_; }

  private:
    std::vector<std::string> walked_;
    std::vector<std::string> unread_;
    std::vector<std::string> unseen_;
    std::vector<std::string> unreachable_;
    bool unnamedUnseen_ = false;
    bool cancelled_ = false;
};

}  // namespace sonara
