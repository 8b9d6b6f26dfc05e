#include "core/tools/wizard/SetupWizard.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/app/Prompter.h"
#include "core/app/StringTable.h"
#include "core/io/FileAttributes.h"
#include "core/library/FolderAdd.h"
#include "core/library/FolderWalk.h"
#include "core/library/Library.h"
#include "core/library/LibraryScans.h"
#include "core/library/PathCache.h"
#include "core/library/SourcesList.h"

namespace sonara {

namespace {

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && upper(text.substr(0, prefix.size())) == upper(prefix);
}

bool equalNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && upper(a) == upper(b);
}

std::string slashed(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// The drive whose root is the longest prefix of `folder`.
const WizardDrive* owningDrive(const std::string& folder, const std::vector<WizardDrive>& drives) {
    const WizardDrive* best = nullptr;
    for (const WizardDrive& drive : drives) {
        if (startsWithNoCase(folder, drive.root) &&
            (best == nullptr || drive.root.size() > best->root.size())) {
            best = &drive;
        }
    }
    return best;
}

// Walks one drive from its root, counting its folders and the folders that
// hold MP3 files. Returns false when cancelled.
bool walkDrive(WizardDrive& drive, const WizardSkips& skips, Progress& progress,
               std::vector<std::string>& found) {
    if (!files::isDirectory(drive.root)) {
        return true;  // an unreadable drive has nothing to offer
    }
    std::string current;
    bool currentHoldsMusic = false;
    WalkOptions options;
    options.patterns = "*.MP3";
    // Other mounts (and /proc and the like) are not this drive's; links are
    // not followed, so no folder is counted twice.
    options.followLinks = false;
    options.oneFilesystem = true;
    options.cancel = &progress.cancelFlag();
    options.folder = [&](const std::string& folder) {
        progress.show("*.mp3", folder);
        ++drive.foldersVisited;
        current = folder;
        currentHoldsMusic = false;
        return FolderStep::Enter;
    };
    // The files of a folder are all visited before its first sub-folder.
    const WalkResult walk = walkFolder(drive.root, options, [&](const std::string&) {
        if (!currentHoldsMusic) {
            currentHoldsMusic = true;
            if (!skips.skips(current)) {
                found.push_back(current);
                ++drive.musicFolders;
            }
        }
        return true;
    });
    return !walk.cancelled;
}

}  // namespace

std::string driveEntryText(const WizardDrive& drive) {
    std::string description = drive.label;
    switch (drive.kind) {
        case DriveKind::Network:
            description += "  (Network Drive)";
            break;
        case DriveKind::CdRom:
            description = "CD-Rom";
            break;
        case DriveKind::Removable:
            description = "Removable";
            break;
        default:
            break;
    }
    return "  " + drive.root + "   " + description;
}

std::vector<WizardDrive> listSearchDrives(const Drives& drives) {
    std::vector<WizardDrive> list;
    for (const MountedDrive& mounted : drives.drives()) {
        if (mounted.kind == DriveKind::Fixed || mounted.kind == DriveKind::Network) {
            list.push_back(WizardDrive{slashed(mounted.mountPoint), mounted.kind, mounted.label,
                                       mounted.kind == DriveKind::Fixed});
        }
    }
    return list;
}

std::vector<WizardDrive> listRemovableDrives(const Drives& drives) {
    std::vector<WizardDrive> list;
    for (const MountedDrive& mounted : drives.drives()) {
        if (mounted.kind == DriveKind::Removable || mounted.kind == DriveKind::CdRom) {
            list.push_back(
                WizardDrive{slashed(mounted.mountPoint), mounted.kind, mounted.label, false});
        }
    }
    return list;
}

bool isTrashFolder(const std::string& folder, const std::string& home) {
    if (!home.empty() && startsWithNoCase(slashed(folder), slashed(home) + ".local/share/Trash/")) {
        return true;
    }
    size_t start = 0;
    while (start < folder.size()) {
        size_t end = folder.find('/', start);
        if (end == std::string::npos) {
            end = folder.size();
        }
        const std::string part = upper(folder.substr(start, end - start));
        if (part == "RECYCLED" || part == "$RECYCLE.BIN" || part == ".TRASH" ||
            part.rfind(".TRASH-", 0) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

WizardSkips WizardSkips::forSonara(std::string home, const std::string& programFolder,
                                   const std::string& holdingFolder) {
    WizardSkips skips{std::move(home), {}};
    for (const std::string& own : {programFolder, holdingFolder}) {
        if (!own.empty()) {
            skips.ownFolders.push_back(slashed(own));
        }
    }
    return skips;
}

bool WizardSkips::holdsOwnFolder(const std::string& folder) const {
    const std::string path = slashed(folder);
    return std::any_of(ownFolders.begin(), ownFolders.end(),
                       [&](const std::string& own) { return startsWithNoCase(own, path); });
}

bool WizardSkips::skips(const std::string& folder) const {
    const std::string path = slashed(folder);
    return isTrashFolder(path, home) ||
           std::any_of(ownFolders.begin(), ownFolders.end(), [&](const std::string& own) {
               return startsWithNoCase(path, slashed(own));
           });
}

DriveSearchResult searchDrives(std::vector<WizardDrive>& drives, const WizardSkips& skips,
                               Progress& progress) {
    DriveSearchResult result;
    for (WizardDrive& drive : drives) {
        drive.foldersVisited = 0;
        drive.musicFolders = 0;
    }
    for (WizardDrive& drive : drives) {
        if (!drive.checked) {
            continue;
        }
        if (!walkDrive(drive, skips, progress, result.found)) {
            result.cancelled = true;
            result.found.clear();
            for (WizardDrive& each : drives) {
                each.foldersVisited = 0;
                each.musicFolders = 0;
            }
            break;
        }
    }
    return result;
}

std::vector<std::string> reduceFolders(const std::vector<std::string>& found,
                                       const std::vector<WizardDrive>& drives,
                                       const WizardSkips& skips) {
    // Names keep their case: Linux names are case-sensitive, so only the
    // comparisons ignore it.
    std::vector<std::string> folders = found;
    for (size_t i = 0; i < folders.size(); ++i) {
        std::string folder = folders[i];
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        const size_t cut = folder.rfind('/');
        if (cut == std::string::npos) {
            continue;
        }
        const std::string parent = folder.substr(0, cut + 1);
        const WizardDrive* drive = owningDrive(parent, drives);
        if (drive == nullptr || parent.size() < drive->root.size()) {
            continue;  // never above the drive it was found on
        }
        const bool belowTop = !equalNoCase(parent, drive->root);
        const int share =
            drive->foldersVisited > 0 ? drive->musicFolders * 100 / drive->foldersVisited : 0;
        if ((!belowTop && share <= 49) || skips.holdsOwnFolder(parent)) {
            continue;
        }
        const auto later = std::remove_if(
            folders.begin() + static_cast<long>(i) + 1, folders.end(),
            [&](const std::string& other) { return startsWithNoCase(other, parent); });
        if (later != folders.end()) {
            folders.erase(later, folders.end());
            folders[i] = parent;
        }
    }
    // A folder that became its parent can now hold an earlier hit; the adds
    // are recursive, so each tree is added once.
    std::vector<std::string> reduced;
    for (const std::string& folder : folders) {
        const bool covered = std::any_of(folders.begin(), folders.end(), [&](const auto& other) {
            return other.size() < folder.size() && startsWithNoCase(folder, other);
        });
        const bool repeated = std::any_of(reduced.begin(), reduced.end(), [&](const auto& kept) {
            return equalNoCase(kept, folder);
        });
        if (!covered && !repeated) {
            reduced.push_back(folder);
        }
    }
    return reduced;
}

WizardAddResult addWizardFolders(const std::vector<std::string>& folders, LibraryScope& scope,
                                 bool promptForName, Progress& progress) {
    WizardAddResult result;
    for (const std::string& folder : folders) {
        const FolderAddResult added = addFolderToLibrary(folder, scope, promptForName, progress);
        result.added += added.added;
        if (added.cancelled || progress.cancelled()) {
            result.cancelled = true;
            result.ok = false;
            break;
        }
        if (!added.ok) {
            result.ok = false;
            break;
        }
    }
    return result;
}

DriveSearchResult searchDrivesShown(std::vector<WizardDrive>& drives, const WizardSkips& skips,
                                    Prompter& prompter) {
    DriveSearchResult search;
    const bool finished =
        prompter.runProgress(stringText(TextId::SearchingDrives), "", [&](Progress& progress) {
            search = searchDrives(drives, skips, progress);
            return !search.cancelled;
        });
    if (!finished && !search.cancelled) {
        // Cancel pressed after the last folder: the search still counts as cancelled.
        search = DriveSearchResult{{}, true};
        for (WizardDrive& drive : drives) {
            drive.foldersVisited = 0;
            drive.musicFolders = 0;
        }
    }
    return search;
}

WizardAddResult addWizardFoldersShown(const std::vector<std::string>& folders, LibraryScope& scope,
                                      bool promptForName) {
    WizardAddResult added;
    const bool finished =
        scope.prompter.runProgress(stringText(TextId::AddingFolders), "", [&](Progress& progress) {
            added = addWizardFolders(folders, scope, promptForName, progress);
            return added.ok;
        });
    if (!finished && added.ok) {
        added.ok = false;
        added.cancelled = true;
    }
    return added;
}

WizardSearchStep searchAndAddDrives(std::vector<WizardDrive>& drives, const WizardSkips& skips,
                                    LibraryScope& scope, bool promptForName) {
    WizardSearchStep step;
    const DriveSearchResult search = searchDrivesShown(drives, skips, scope.prompter);
    if (search.cancelled) {
        step.cancelled = true;
        return step;
    }
    step.folders = reduceFolders(search.found, drives, skips);
    if (!step.folders.empty()) {
        step.added = addWizardFoldersShown(step.folders, scope, promptForName);
    }
    return step;
}

int addRemovableMedia(const std::vector<WizardDrive>& drives, LibraryScope& scope,
                      bool promptForName) {
    const bool anyChecked =
        std::any_of(drives.begin(), drives.end(), [](const auto& drive) { return drive.checked; });
    if (!anyChecked) {
        scope.prompter.message(stringText(TextId::SelectRemovableDrive), Icon::Information);
        return 0;
    }
    int total = 0;
    for (const WizardDrive& drive : drives) {
        if (!drive.checked) {
            continue;
        }
        int added = 0;
        const bool ok = scope.prompter.runProgress(
            stringText(TextId::AddingFolders), "", [&](Progress& progress) {
                const FolderAddResult result =
                    addFolderToLibrary(drive.root, scope, promptForName, progress);
                added = result.added;
                return result.ok;
            });
        total += added;
        if (!ok) {
            break;  // a medium left unnamed or a cancelled walk ends the batch
        }
        scope.prompter.message(std::to_string(added) + " files added", Icon::Information);
    }
    return total;
}

bool resetLibraryForWizard(LibraryScope& scope) {
    if (scope.library.count() > 0 && scope.prompter.ask(stringText(TextId::ResetLibraryQuestion),
                                                        Buttons::YesNo) != Answer::Yes) {
        return false;
    }
    scope.library.clear();
    scope.sources.clear();
    scope.cache.clear();
    return true;
}

}  // namespace sonara
