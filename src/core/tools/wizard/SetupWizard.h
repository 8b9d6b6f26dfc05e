#pragma once

#include <string>
#include <vector>

#include "core/library/Drives.h"

namespace sonara {

class Progress;
class Prompter;
struct LibraryScope;

// A drive the wizard offers, with the counters its search fills.
struct WizardDrive {
    std::string root;  // the mount point, ending with "/"
    DriveKind kind = DriveKind::Unknown;
    std::string label;
    bool checked = false;
    int foldersVisited = 0;
    int musicFolders = 0;
};

// The check-list text: two blanks, the root, three blanks, the description.
std::string driveEntryText(const WizardDrive& drive);

// The fixed drives (checked) and network drives (unchecked), in mount order.
std::vector<WizardDrive> listSearchDrives(const Drives& drives);
// The removable and CD-ROM drives, all unchecked.
std::vector<WizardDrive> listRemovableDrives(const Drives& drives);

// Whether a folder is a recycle bin or trash folder, or lies in one, so its
// songs are never taken for music the user keeps. `home` is the user's home
// folder, for the desktop trash below it.
bool isTrashFolder(const std::string& folder, const std::string& home);

// The folders whose songs the search never proposes as music: trash
// folders, and Sonara's own folders with everything below them (the data
// folder, which holds the backups and the default holding folder, and the
// duplicate finder's holding folder wherever it is), so that deleted
// duplicates and backups never come back into the library.
struct WizardSkips {
    std::string home;  // the user's home folder, for the desktop trash below it
    std::vector<std::string> ownFolders;

    // `programFolder` is the data folder; `holdingFolder` the
    // "CopyDelFilesToFolder" preference (may be empty).
    static WizardSkips forSonara(std::string home, const std::string& programFolder,
                                 const std::string& holdingFolder);
    bool skips(const std::string& folder) const;
    // Whether one of Sonara's own folders is `folder` or lies below it.
    bool holdsOwnFolder(const std::string& folder) const;
};

struct DriveSearchResult {
    std::vector<std::string> found;  // music folders, each ending with "/"
    bool cancelled = false;
};

// Walks each checked drive from its root, depth first, counting its folders
// and its folders that hold MP3 files (those `skips` names are counted but
// not found). The walk stays on the drive's own
// filesystem (other mounts below it are theirs to be searched) and follows no
// symbolic links, so no folder is walked twice. On cancel the counters are
// reset and nothing is found.
DriveSearchResult searchDrives(std::vector<WizardDrive>& drives, const WizardSkips& skips,
                               Progress& progress);

// Folds the found folders into a few top folders: a folder gives way to its
// parent when a later found folder shares that parent, unless the parent is
// the drive's top level and at most 49 % of the drive's folders hold music.
// A parent that holds one of Sonara's own folders is never taken: the add
// is recursive and would bring them in.
std::vector<std::string> reduceFolders(const std::vector<std::string>& found,
                                       const std::vector<WizardDrive>& drives,
                                       const WizardSkips& skips = {});

struct WizardAddResult {
    bool ok = true;  // false: a folder add failed, the rest were not added
    bool cancelled = false;
    int added = 0;
};

// Adds each folder in turn; the first failure stops the rest.
WizardAddResult addWizardFolders(const std::vector<std::string>& folders, LibraryScope& scope,
                                 bool promptForName, Progress& progress);

// The drive search in the "Searching Drives" progress dialog (message
// 2010). `prompter` shows it; a Cancel there is a cancelled search.
DriveSearchResult searchDrivesShown(std::vector<WizardDrive>& drives, const WizardSkips& skips,
                                    Prompter& prompter);

// The folders added in the "Adding folders" progress dialog (message 124).
WizardAddResult addWizardFoldersShown(const std::vector<std::string>& folders, LibraryScope& scope,
                                      bool promptForName);

struct WizardSearchStep {
    bool cancelled = false;            // the search was cancelled: back to page 1
    std::vector<std::string> folders;  // the reduced folders
    WizardAddResult added;             // what their add did (nothing added when none)
};

// The drives page's work after "Next >": the search, then, unless it was
// cancelled, the add of the reduced folders when there are any.
WizardSearchStep searchAndAddDrives(std::vector<WizardDrive>& drives, const WizardSkips& skips,
                                    LibraryScope& scope, bool promptForName);

// "Add" on the removable-media page: each checked drive's root is added in
// list order (each asks for its medium's name), and "<n> files added" is
// shown after each. With no drive checked, message 2011. Returns the songs
// added.
int addRemovableMedia(const std::vector<WizardDrive>& drives, LibraryScope& scope,
                      bool promptForName);

// A start from the menu: with songs in the library, asks message 153 first;
// on Yes (or with an empty library) empties the library, the sources and the
// path cache and returns true. The caller stops playback and empties the
// play list.
bool resetLibraryForWizard(LibraryScope& scope);

}  // namespace sonara
